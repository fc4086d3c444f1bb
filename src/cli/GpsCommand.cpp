#include "cli/Commands.h"

#include "core/geo/Position.h"
#include "core/rig/RigSetup.h"
#include "core/storage/SettingsKeys.h"
#include "platform/qt/GpsSource.h"
#include "platform/qt/QtPlatform.h"

#include <QEventLoop>
#include <QTimer>

namespace pendrel::cli {
namespace {

// Waits for the first valid fix and prints where it is, its locator, the GPS
// time, how far the computer's clock is from it, and the distance to the
// fixed station's stored position.
int runGps(const QStringList &args, Io &io)
{
    const QtSettingsStore settings;
    GpsSetup setup = GpsSetup::read(settings);
    if (setup.source == GpsSetup::Source::Off) {
        setup = GpsSetup();
        setup.source = GpsSetup::Source::Gpsd;
    }
    int timeout = 10;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (i + 1 == args.size() || !(a == u"--gpsd" || a == u"--nmea" || a == u"--timeout"))
            return usageError(io, QStringLiteral("option inattendue « %1 ».").arg(a));
        const QString value = args[++i];
        if (a == u"--gpsd") {
            const auto address = parseHostPort(value, 2947);
            if (!address)
                return usageError(io, QStringLiteral("adresse de gpsd invalide « %1 » : HOTE:PORT attendu.").arg(value));
            setup = GpsSetup();
            setup.source = GpsSetup::Source::Gpsd;
            setup.host = address->host;
            setup.port = address->port;
        } else if (a == u"--nmea") {
            setup = GpsSetup();
            setup.source = GpsSetup::Source::Nmea;
            setup.device = value;
        } else {
            bool ok = false;
            timeout = value.toInt(&ok);
            if (!ok || timeout < 1 || timeout > 3600)
                return usageError(io, QStringLiteral("--timeout demande un nombre de secondes (1 à 3600)."));
        }
    }

    GpsSource source;
    QEventLoop loop;
    QObject::connect(&source, &GpsSource::changed, &loop, [&] {
        if (source.freshFix())
            loop.quit();
    });
    QTimer::singleShot(timeout * 1000, &loop, &QEventLoop::quit);
    source.start(setup);
    loop.exec();
    const GpsFix *fix = source.freshFix();
    if (!fix) {
        const QString why = source.problem().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(source.problem());
        io.err << QStringLiteral("pendrel-cli : aucune position valide du GPS en %1 s%2.\n").arg(timeout).arg(why);
        return ExitFailure;
    }
    io.out << QStringLiteral("Locator : %1\n").arg(locatorAt(fix->place))
           << QStringLiteral("Latitude : %1\n").arg(fix->place.latitude, 0, 'f', 5)
           << QStringLiteral("Longitude : %1\n").arg(fix->place.longitude, 0, 'f', 5);
    if (fix->gpsUtc.isValid())
        io.out << QStringLiteral("Heure GPS : %1 UTC\n").arg(fix->gpsUtc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
               << QStringLiteral("Ecart horloge : %1 s\n").arg(fix->gpsUtc.secsTo(fix->computerUtc));
    const QString callsign = settings.read(settings::GlobalSection, settings::IndicatifStation, QString());
    if (const auto home = parsePosition(
            settings.read(settings::callsignSection(callsign), QStringLiteral("Position Station"), QString())))
        io.out << QStringLiteral("Distance QRA : %1 m\n").arg(qRound64(distanceMetres(fix->place, *home)));
    return ExitOk;
}

const CommandRegistration registration(
    {QStringLiteral("gps"), QStringLiteral("[--gpsd HOTE:PORT | --nmea FICHIER_OU_PORT] [--timeout SECONDES]"),
     QStringLiteral("attend la première position valide du GPS et affiche son locator, sa latitude, sa longitude, "
                    "l'heure GPS et l'écart de l'horloge"),
     &runGps, false});

} // namespace
} // namespace pendrel::cli
