#include "core/info/RankingFigures.h"

#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"

namespace pendrel {
namespace {

QString withoutBlanks(QStringView text)
{
    QString kept;
    for (QChar c : text)
        if (c != u' ')
            kept += c;
    return kept;
}

} // namespace

RankingFigures rankingFigures(const QStringList &listLines, const QString &bestKmW, const QString &totalPoints)
{
    RankingFigures figures;
    const QString wanted = withoutBlanks(bestKmW);
    for (const QString &line : wanted.isEmpty() ? QStringList() : listLines) {
        if (withoutBlanks(recordField(line, ListColumn::KmW)) == wanted) {
            figures.bestKmWLine = line;
            break;
        }
    }
    // Strictly greater: the first of equal distances stays.
    double best = 0;
    for (const QString &line : listLines) {
        const double qrb = numericValue(withoutBlanks(recordField(line, ListColumn::QRB)));
        if (qrb > best) {
            best = qrb;
            figures.bestQrbLine = line;
        }
    }
    figures.totalPoints = totalPoints;
    figures.qsoCount = QString::number(listLines.size());
    return figures;
}

} // namespace pendrel
