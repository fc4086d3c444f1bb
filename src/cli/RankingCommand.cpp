#include "cli/Commands.h"
#include "core/info/RankingFigures.h"

namespace pendrel::cli {
namespace {

// The four figures the ranking window shows, one per line; no setting changes.
int runRanking(const QStringList &args, Io &io)
{
    LoadResult loaded;
    if (const int code = loadNamedLog(args, io, loaded); code != ExitOk)
        return code;
    const RankingFigures figures =
        rankingFigures(loaded.view.listLines, loaded.view.bestKmW, loaded.view.totalPoints);
    io.out << figures.bestKmWLine << '\n'
           << figures.bestQrbLine << '\n'
           << figures.totalPoints << '\n'
           << figures.qsoCount << '\n';
    return ExitOk;
}

const CommandRegistration registration(
    {QStringLiteral("ranking"), LogOptionsUsage,
     QStringLiteral("les chiffres du classement : ligne du meilleur km/W, ligne de la plus grande distance, "
                    "total des points, nombre de QSO"),
     &runRanking, false});

} // namespace
} // namespace pendrel::cli
