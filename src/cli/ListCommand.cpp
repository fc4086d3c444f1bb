#include "cli/Commands.h"

#include "core/views/LogCsv.h"

namespace pendrel::cli {
namespace {

// The log list lines, then the totals the main window shows; with --csv, the
// fields of each QSO as CSV for a spreadsheet or a script.
int runList(const QStringList &arguments, Io &io)
{
    QStringList args = arguments;
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    const qsizetype csv = args.indexOf(QStringLiteral("--csv"));
    if (csv >= 0 && (end < 0 || csv < end))
        args.removeAt(csv);
    LoadResult loaded;
    if (const int code = loadNamedLog(args, io, loaded); code != ExitOk)
        return code;
    if (csv >= 0 && (end < 0 || csv < end)) {
        io.out << csvHeader();
        for (const QString &line : loaded.view.listLines)
            io.out << csvRow(line);
        return ExitOk;
    }
    for (const QString &line : loaded.view.listLines)
        io.out << line << '\n';
    io.out << "Total_P " << loaded.view.totalPoints << '\n' << "KmW_Max " << loaded.view.bestKmW << '\n';
    return ExitOk;
}

const CommandRegistration registration({QStringLiteral("list"), LogOptionsUsage + QStringLiteral(" [--csv]"),
                                        QStringLiteral("le log, un QSO par ligne, puis Total_P et KmW_Max ; --csv : "
                                                       "ses champs en CSV, une ligne d'en-tête puis un QSO par ligne"),
                                        &runList, false});

} // namespace
} // namespace pendrel::cli
