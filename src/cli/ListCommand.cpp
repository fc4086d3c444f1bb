#include "cli/Commands.h"

namespace pendrel::cli {
namespace {

// The log list lines, then the totals the main window shows.
int runList(const QStringList &args, Io &io)
{
    LogOptions options;
    if (const int code = parseLogOptions(args, io, options); code != ExitOk)
        return code;
    if (!options.rest.isEmpty())
        return usageError(io, QStringLiteral("argument inattendu « %1 ».").arg(options.rest.first()));
    const LogStore store(options.folder);
    const LoadResult loaded = store.LoadLog(options.callsign, options.kind);
    if (const int code = logReadFailure(options, io, loaded.status, loaded.error); code != ExitOk)
        return code;
    if (!loaded.warning.isEmpty())
        io.err << "pendrel-cli : " << loaded.warning << '\n';
    for (const QString &line : loaded.view.listLines)
        io.out << line << '\n';
    io.out << "Total_P " << loaded.view.totalPoints << '\n' << "KmW_Max " << loaded.view.bestKmW << '\n';
    return ExitOk;
}

const CommandRegistration registration({QStringLiteral("list"), LogOptionsUsage,
                                        QStringLiteral("le log, un QSO par ligne, puis Total_P et KmW_Max"),
                                        &runList});

} // namespace
} // namespace pendrel::cli
