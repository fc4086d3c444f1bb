#include "cli/ReportCommand.h"
#include "core/storage/SettingsKeys.h"
#include "core/views/ContactReport.h"
#include "platform/DataFolder.h"
#include "platform/qt/QtPlatform.h"

#include <QStringList>
#include <QTextStream>

using namespace pendrel;

// pendrel-cli report [--call CALL] [--portable]
// Writes the contacted-stations report of the fixed (or portable) log into the
// data folder, as the menu "Enregistrer" does, and prints its closing message.
int reportCommand(const QStringList &args)
{
    QTextStream out(stdout), err(stderr);
    QString callsign;
    StationKind kind = StationKind::Fixed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--portable") {
            kind = StationKind::Portable;
        } else if (args[i] == u"--call" && i + 1 < args.size()) {
            callsign = args[++i];
        } else {
            err << "Usage : pendrel-cli report [--call INDICATIF] [--portable]\n";
            return 2;
        }
    }
    if (callsign.isEmpty())
        callsign = QtSettingsStore().read(settings::GlobalSection, settings::IndicatifStation,
                                          settings::PlaceholderCallsign);
    // Callsigns are stored with "_" in place of "/", as in the log file names.
    callsign.replace(u'/', u'_');

    SystemClock clock;
    const ReportResult result = saveContactReport(DataFolder::resolve(), callsign, kind, clock);
    (result.ok ? out : err) << result.message << '\n';
    return result.ok ? 0 : 1;
}
