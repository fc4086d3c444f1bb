#include "core/labels/LabelSettings.h"

#include "core/labels/LabelLayout.h"
#include "core/storage/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace pendrel::labels {
namespace {

// A calibration to a tenth of a millimetre, within what a printer may need.
double keptOffset(double value)
{
    return std::isfinite(value) ? std::clamp(std::round(value * 10) / 10, -MaxLabelOffset, MaxLabelOffset) : 0;
}

// A calibration as stored: a decimal number with a point; anything else
// (hand-edited) counts 0.
double storedOffset(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? keptOffset(value) : 0;
}

} // namespace

int printedFormat(const LabelChoices &choices)
{
    return choices.format >= FirstFormat && choices.format <= LastFormat ? choices.format : FirstFormat;
}

LabelChoices loadLabelChoices(const SettingsStore &store, const QString &callsign)
{
    const QString section = settings::callsignSection(callsign);
    LabelChoices choices;
    choices.transceiver = store.read(section, settings::Transceiver, QString());
    choices.antenna = store.read(section, settings::Antenne, QString());
    // A Boolean written as text: "False" (any case) or "0" is false, anything else true.
    const QString language = store.read(section, settings::Language, QStringLiteral("True")).trimmed();
    choices.french = language.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0 && language != u'0';
    bool ok = false;
    const int format = store.read(section, settings::FormatEtiquette, QStringLiteral("1")).trimmed().toInt(&ok);
    choices.format = ok && format >= FirstFormat && format <= LastFormat ? format : 0;
    choices.offsetDown = storedOffset(store.read(section, settings::DecalageBasEtiquette, QString()));
    choices.offsetRight = storedOffset(store.read(section, settings::DecalageDroiteEtiquette, QString()));
    return choices;
}

void saveLabelChoices(SettingsStore &store, const QString &callsign, const LabelChoices &choices)
{
    const QString section = settings::callsignSection(callsign);
    store.write(section, settings::Transceiver, choices.transceiver);
    store.write(section, settings::Antenne, choices.antenna);
    store.write(section, settings::Language, choices.french ? QStringLiteral("True") : QStringLiteral("False"));
    if (choices.format >= FirstFormat && choices.format <= LastFormat)
        store.write(section, settings::FormatEtiquette, QString::number(choices.format));
    store.write(section, settings::DecalageBasEtiquette, QString::number(keptOffset(choices.offsetDown)));
    store.write(section, settings::DecalageDroiteEtiquette, QString::number(keptOffset(choices.offsetRight)));
}

QString lengthMessage(const QString &transceiver, const QString &antenna)
{
    if (transceiver.size() > TransceiverMaxLength)
        return QStringLiteral("8 caracteres maxi pour le TX");
    if (antenna.size() > AntennaMaxLength)
        return QStringLiteral("13 caracteres maxi pour l'antenne");
    return {};
}

QString ownCallsignShown(const QString &storedCallsign, bool portable)
{
    return portable ? storedCallsign + QStringLiteral("/P") : storedCallsign;
}

} // namespace pendrel::labels
