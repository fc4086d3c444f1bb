#include "core/labels/LabelSettings.h"

#include "core/labels/LabelLayout.h"
#include "core/storage/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace pendrel::labels {

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
