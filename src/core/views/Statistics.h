#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace pendrel {

// The figures of one month of a log.
struct MonthFigures {
    int year = 0, month = 0;     // 2026, 11
    int qsos = 0;
    int points = 0;              // Pts of its QSOs
    int bonus = 0;               // outing bonus of its QSOs
    int bestKmW = 0;
    QMap<QString, int> byBand;   // QSOs by band text ("7.0 Mhz")
};

// What the statistics window charts and `pendrel-cli stats` prints, for the
// lines of one log (record lines or list lines, as `lineKind` says).
struct LogStatistics {
    QList<MonthFigures> months;  // the months that have QSOs, oldest first
    QMap<QString, int> byMode;
    QList<int> qrbBins;          // QSOs by distance, QrbBinKm wide, the last one open
    int qsos = 0, points = 0, bestKmW = 0;
};
inline constexpr int QrbBinKm = 250, QrbBins = 13; // 0-249 ... 2750-2999, 3000 and more

enum class LineKind { Record, List };
LogStatistics logStatistics(const QStringList &lines, LineKind kind);

// Every month from the first to the last of `statistics`, those without QSO
// included (zero), for a chart of the whole year.
QList<MonthFigures> everyMonth(const LogStatistics &statistics);

// `pendrel-cli stats`: "2026-11 42 108 236" a month (QSOs, points = Pts +
// Bonus, best km/W of the month), then "Total 59 154 236".
QStringList statisticsLines(const LogStatistics &statistics);

// "nov. 2026": a month as the charts name it, in French.
QString monthName(int year, int month);

} // namespace pendrel
