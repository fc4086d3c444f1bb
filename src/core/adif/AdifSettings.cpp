#include "core/adif/AdifSettings.h"

#include "core/storage/SettingsKeys.h"

namespace pendrel::adif {

QString storedCallsign(const SettingsStore &settings)
{
    return settings.read(settings::GlobalSection, settings::IndicatifStation, settings::PlaceholderCallsign);
}

ImportRequest requestFromSettings(const SettingsStore &settings, const QString &dataFolder,
                                  const QString &callsign, StationKind kind, const QDate &today,
                                  const QString &adifPath)
{
    const QString section = settings::callsignSection(callsign);
    ImportRequest request;
    request.dataFolder = dataFolder;
    request.callsign = callsign;
    request.kind = kind;
    if (kind == StationKind::Fixed) {
        request.ownLocator = settings.read(settings::GlobalSection, settings::LocatorStation, QStringLiteral("JNXXX"));
        request.power = settings.read(section, settings::PwrFixe, QString());
    } else {
        request.ownLocator = settings.read(section, settings::LocatorPortable, QString());
        request.power = settings.read(section, settings::PwrPortable, QString());
    }
    request.outingQsoCount = settings.read(section, settings::Bonus, QStringLiteral("1")).toInt();
    request.today = today;
    request.adifPath = adifPath;
    return request;
}

} // namespace pendrel::adif
