#include "cli/Commands.h"
#include "cli/OutputOption.h"

#include "core/views/ContactReport.h"
#include "platform/qt/QtPlatform.h"

namespace pendrel::cli {
namespace {

// Writes the contacted-stations report of the log into the data folder, as
// the menu "Enregistrer" does, and prints its closing message.
int runReport(const QStringList &arguments, Io &io)
{
    QStringList args = arguments;
    OutputOption output;
    LogOptions options;
    if (int code = ExitOk; !output.parse(args, io, code))
        return code;
    if (const int code = parseLogOptions(args, io, options); code != ExitOk)
        return code;
    if (!options.rest.isEmpty())
        return usageError(io, QStringLiteral("report n'attend pas d'autre argument."));
    SystemClock clock;
    const ReportResult result =
        saveContactReport(options.folder, options.callsign, options.kind, clock, output.writer());
    if (!result.ok)
        io.err << terminalText(result.message) << '\n';
    else if (!output.toStandardOutput())
        io.out << output.told(result.message) << '\n';
    return result.ok ? ExitOk : ExitFailure;
}

const CommandRegistration registration({QStringLiteral("report"), LogOptionsUsage + u' ' + OutputUsage,
                                        QStringLiteral("enregistre le log des stations QRP contactées"), &runReport});

} // namespace
} // namespace pendrel::cli
