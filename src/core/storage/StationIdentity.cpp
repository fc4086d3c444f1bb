#include "core/storage/StationIdentity.h"
#include "core/geo/Locator.h"
#include "core/storage/SettingsKeys.h"

#include <algorithm>

namespace pendrel {

QString typedIdentityUpper(const QString &typed)
{
    QString out = typed;
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return out;
}

IdentityVerdict checkStationCallsign(const QString &callsign)
{
    if (callsign.isEmpty())
        return {QStringLiteral("Vous devez entrer un indicatif")};
    if (callsign.size() > 12)
        return {QStringLiteral("12 caracteres maximum pour l'indicatif")};
    const bool allowed = std::all_of(callsign.begin(), callsign.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u'_';
    });
    if (!allowed)
        return {QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ")};
    return {};
}

IdentityVerdict checkStationLocator(const QString &locator)
{
    if (locator.isEmpty())
        return {QStringLiteral("Vous devez entrer un locator")};
    if (locator.size() != 6)
        return {QStringLiteral("Le locator doit comporter 6 caracteres")};
    int error = 0;
    CheckLocator(locator, error);
    if (error)
        return {QStringLiteral("Erreur dans la saisie du locator")};
    return {};
}

bool isStoredCallsignValid(const QString &callsign)
{
    return checkStationCallsign(callsign).accepted();
}

QString readStoredCallsign(const SettingsStore &settings)
{
    const QString stored =
        settings.read(settings::GlobalSection, settings::IndicatifStation, settings::PlaceholderCallsign);
    return isStoredCallsignValid(stored) ? stored : settings::PlaceholderCallsign;
}

} // namespace pendrel
