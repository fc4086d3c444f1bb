#pragma once
#include <QString>
#include <QStringList>

namespace pendrel {

// The four figures the operator reports on the contest site's ranking page,
// as the ranking window shows them when it opens.
struct RankingFigures {
    QString bestKmWLine; // Le_KmW_Max: first log list line whose km/W is the best of the log; empty if none
    QString bestQrbLine; // Le_QRB_Max: first log list line of the longest distance; empty if none is above 0
    QString totalPoints; // Tot_P: the total shown by the main window
    QString qsoCount;    // Tot_QSO: the number of lines, in decimal
};

// `listLines` are the lines of Liste_Orvil as shown; `bestKmW` and
// `totalPoints` the texts of KmW_Max and Total_P.
RankingFigures rankingFigures(const QStringList &listLines, const QString &bestKmW, const QString &totalPoints);

} // namespace pendrel
