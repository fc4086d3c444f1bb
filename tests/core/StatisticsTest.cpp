#include "core/views/Statistics.h"

#include "core/storage/QsoRecord.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;

namespace {

QsoRecord qso(const QString &date, const QString &band, const QString &mode, const QString &qrb, const QString &kmw,
              const QString &pts, const QString &bonus = {})
{
    QsoRecord r;
    r.Indicatif = "F6ABC"; r.Date = date; r.QTR = "10:00"; r.QRG = band; r.Mode = mode; r.QRB = qrb; r.KmW = kmw;
    r.Pts = pts; r.Bonus = bonus;
    return r;
}

} // namespace

// The figures of each month, whatever the order of the log, the century read
// as the import reads it, and the same from record lines and list lines.
TEST(Statistics, MonthlyFiguresAndTotals)
{
    const QList<QsoRecord> log = {
        qso("05/11/26", "7.0 Mhz", "CW", "612", "122", "1"),
        qso("17/11/26", "14 Mhz", "SSB", "2400", "236", "4", "15"),
        qso("01/03/99", "7.0 Mhz", "CW", "3200", "640", "4"), // 1999, not 2099
        qso("02/12/26", "7.0 Mhz", "DIG", "100", "20", "1"),
        qso("30/11/26", "7.0 Mhz", "CW", "0", "", "1"),       // no km/W
        qso("", "7.0 Mhz", "CW", "10", "2", "1"),             // no date: in no month
        qso("31/13/26", "7.0 Mhz", "CW", "10", "2", "1"),     // no such month
    };
    QStringList records, list;
    for (const QsoRecord &r : log) {
        records << r.recordLine();
        list << r.listLine(int(list.size()) + 1);
    }
    records << "" << "   "; // blank lines hold no QSO
    const QStringList expected = {"1999-03 1 4 640", "2026-11 3 21 236", "2026-12 1 1 20", "Total 5 26 640"};
    EXPECT_EQ(statisticsLines(logStatistics(records, LineKind::Record)), expected);
    EXPECT_EQ(statisticsLines(logStatistics(list, LineKind::List)), expected);

    const LogStatistics s = logStatistics(records, LineKind::Record);
    ASSERT_EQ(s.months.size(), 3);
    const MonthFigures &november = s.months[1];
    EXPECT_EQ(november.points, 6);
    EXPECT_EQ(november.bonus, 15);
    EXPECT_EQ(november.byBand, (QMap<QString, int>{{"7.0 Mhz", 2}, {"14 Mhz", 1}}));
    EXPECT_EQ(s.byMode, (QMap<QString, int>{{"CW", 3}, {"SSB", 1}, {"DIG", 1}}));
    EXPECT_EQ(s.qrbBins.size(), QrbBins);
    EXPECT_EQ(s.qrbBins[0], 2);              // 100 and 0 km
    EXPECT_EQ(s.qrbBins[612 / QrbBinKm], 1);
    EXPECT_EQ(s.qrbBins[QrbBins - 1], 1);    // 3200 km, in the open last bin

    // The charts' year: every month between the first and the last.
    const QList<MonthFigures> all = everyMonth(s);
    EXPECT_EQ(all.size(), 12 * 27 + 10); // March 1999 to December 2026
    EXPECT_EQ(all[1].qsos, 0);
    EXPECT_EQ(monthName(all[1].year, all[1].month), "avr. 1999");
    EXPECT_EQ(monthName(2026, 8), "août 2026");
    EXPECT_EQ(statisticsLines(logStatistics({}, LineKind::Record)), QStringList{"Total 0 0 0"});
}
