#include "cli/Commands.h"
#include "core/storage/TextFile.h"
#include "core/views/Statistics.h"
#include "ui/views/StatisticsCharts.h"

#include <QDir>

namespace pendrel::cli {
namespace {

// One line a month that has QSOs, oldest first, then the total; --png draws
// the monthly chart of the statistics window into a file.
int runStats(const QStringList &args, Io &io)
{
    QStringList rest = args;
    QString png;
    if (const qsizetype at = rest.indexOf(QStringLiteral("--png")); at >= 0) {
        if (at + 1 >= rest.size())
            return usageError(io, QStringLiteral("--png demande un nom de fichier."));
        png = rest[at + 1];
        rest.remove(at, 2);
    }
    LoadResult loaded;
    if (const int code = loadNamedLog(rest, io, loaded); code != ExitOk)
        return code;
    const LogStatistics statistics = logStatistics(loaded.view.listLines, LineKind::List);
    for (const QString &line : statisticsLines(statistics))
        io.out << line << '\n';
    if (png.isEmpty())
        return ExitOk;
    QString error;
    if (!ui::saveMonthlyChart(statistics, QSize(1000, 600), png, FileWriter::standard(), &error)) {
        io.err << QStringLiteral("pendrel-cli : impossible d'écrire l'image %1 : %2\n")
                      .arg(QDir::toNativeSeparators(png), error);
        return ExitFailure;
    }
    return ExitOk;
}

const CommandRegistration registration(
    {QStringLiteral("stats"), LogOptionsUsage + QStringLiteral(" [--png FICHIER]"),
     QStringLiteral("les chiffres de chaque mois (QSO, points, meilleur km/W) et leur total ; --png : le graphique "
                    "des QSO par mois"),
     &runStats, false});

} // namespace
} // namespace pendrel::cli
