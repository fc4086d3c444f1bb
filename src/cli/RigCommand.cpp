#include "cli/Commands.h"

#include "core/rig/RigReading.h"
#include "core/rig/RigSetup.h"
#include "core/storage/SettingsKeys.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/RigctldClient.h"

#include <QEventLoop>
#include <QTimer>

namespace pendrel::cli {
namespace {

// The rig's address: --rig, else the settings of the stored callsign, else localhost:4532.
rig::RigSetup storedSetup()
{
    const QtSettingsStore settings;
    const QString callsign =
        settings.read(settings::GlobalSection, settings::IndicatifStation, settings::PlaceholderCallsign);
    rig::RigSetup setup = rig::RigSetup::read(settings, settings::callsignSection(callsign));
    if (setup.source == rig::RigSetup::Source::Off)
        return rig::RigSetup();
    if (setup.source == rig::RigSetup::Source::Launched)
        setup.host = QStringLiteral("127.0.0.1");
    return setup;
}

// Reads the rig once: frequency, band, mode and power, one line each.
int runRig(const QStringList &args, Io &io)
{
    rig::RigSetup setup;
    if (args.isEmpty()) {
        setup = storedSetup();
    } else if (args.size() == 2 && args[0] == u"--rig") {
        const auto parsed = rig::parseAddress(args[1]);
        if (!parsed)
            return usageError(io, QStringLiteral("adresse de rigctld invalide « %1 » : HOTE:PORT attendu.").arg(args[1]));
        setup = *parsed;
    } else {
        return usageError(io, QStringLiteral("rig accepte seulement --rig HOTE:PORT."));
    }

    RigctldClient client;
    QEventLoop loop;
    QObject::connect(&client, &RigctldClient::statusChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    client.start(setup.host, setup.port);
    loop.exec();
    const RigStatus status = client.status();
    client.stop();
    if (!status.connected) {
        const QString reason = status.reason == u"connexion en cours"
            ? QStringLiteral("pas de réponse de %1 en 3 s").arg(setup.address())
            : status.reason;
        io.err << QStringLiteral("pendrel-cli : poste non connecté : %1.\n").arg(reason);
        return ExitFailure;
    }
    const QString band = rig::entryBand(status.hz), mode = rig::entryMode(status.mode);
    io.out << QStringLiteral("Fréquence : %1 Hz\n").arg(status.hz)
           << QStringLiteral("Bande : %1\n").arg(band.isEmpty() ? QStringLiteral("hors bande") : band)
           << QStringLiteral("Mode : %1\n").arg(mode.isEmpty() ? QStringLiteral("inconnu (%1)").arg(status.mode) : mode)
           << QStringLiteral("Puissance : %1\n")
                  .arg(status.milliwatts < 0 ? QStringLiteral("inconnue")
                                             : QStringLiteral("%1 W").arg(rig::wholeWatts(status.milliwatts)));
    return ExitOk;
}

const CommandRegistration registration({QStringLiteral("rig"), QStringLiteral("[--rig HOTE:PORT]"),
                                        QStringLiteral("fréquence, bande, mode et puissance lus sur le poste (rigctld)"),
                                        &runRig, false});

} // namespace
} // namespace pendrel::cli
