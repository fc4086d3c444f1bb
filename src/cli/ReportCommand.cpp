#include "cli/Commands.h"

#include "core/views/ContactReport.h"
#include "platform/qt/QtPlatform.h"

namespace pendrel::cli {
namespace {

// Writes the contacted-stations report of the log into the data folder, as
// the menu "Enregistrer" does, and prints its closing message.
int runReport(const QStringList &args, Io &io)
{
    LogOptions options;
    if (const int code = parseLogOptions(args, io, options); code != ExitOk)
        return code;
    if (!options.rest.isEmpty())
        return usageError(io, QStringLiteral("report n'attend pas d'autre argument."));
    SystemClock clock;
    const ReportResult result = saveContactReport(options.folder, options.callsign, options.kind, clock);
    (result.ok ? io.out : io.err) << result.message << '\n';
    return result.ok ? ExitOk : ExitFailure;
}

const CommandRegistration registration({QStringLiteral("report"), LogOptionsUsage,
                                        QStringLiteral("enregistre le log des stations QRP contactées"), &runReport});

} // namespace
} // namespace pendrel::cli
