#include "cli/Commands.h"

namespace pendrel::cli {
namespace {

// The log list lines, then the totals the main window shows.
int runList(const QStringList &args, Io &io)
{
    LoadResult loaded;
    if (const int code = loadNamedLog(args, io, loaded); code != ExitOk)
        return code;
    for (const QString &line : loaded.view.listLines)
        io.out << line << '\n';
    io.out << "Total_P " << loaded.view.totalPoints << '\n' << "KmW_Max " << loaded.view.bestKmW << '\n';
    return ExitOk;
}

const CommandRegistration registration({QStringLiteral("list"), LogOptionsUsage,
                                        QStringLiteral("le log, un QSO par ligne, puis Total_P et KmW_Max"),
                                        &runList, false});

} // namespace
} // namespace pendrel::cli
