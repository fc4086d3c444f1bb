#include "core/views/WorkedBefore.h"

#include "core/storage/QsoRecord.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;

namespace {

QString line(int n, const QString &call, const QString &date, const QString &time, const QString &band,
             const QString &mode)
{
    QsoRecord r;
    r.Indicatif = call; r.Date = date; r.QTR = time; r.QRG = band; r.Mode = mode; r.Pts = "1";
    return r.listLine(n);
}

} // namespace

// The index answers for a station, its /P included, with its latest QSO by
// date and time whatever the order of the log (a 1999 QSO inserted after one
// of 2026 is older), and the same-day check on band and mode.
TEST(WorkedBefore, SummaryAndSameDayByStation)
{
    WorkedBefore log;
    log.rebuild({
        line(1, "F6ABC", "04/11/26", "09:00", "14 Mhz", "SSB"),
        line(2, "F6ABC/P", "05/11/26", "14:35", "7.0 Mhz", "CW"),
        line(3, "F6ABC", "01/03/99", "23:59", "3.5 Mhz", "CW"),
        line(4, "G4XYZ", "05/11/26", "10:00", "7.0 Mhz", "CW"),
        line(5, "F6ABCD", "06/11/26", "10:00", "7.0 Mhz", "CW"),
    });
    const struct {
        QString callsign, text;
    } cases[] = {
        {"F6ABC", "Déjà contacté 3 fois (dont 1 en /P) : dernier QSO le 05/11/26 à 14:35 sur 7.0 Mhz en CW"},
        {"f6abc/p", "Déjà contacté 3 fois (dont 1 en /P) : dernier QSO le 05/11/26 à 14:35 sur 7.0 Mhz en CW"},
        {" G4XYZ ", "Déjà contacté 1 fois : dernier QSO le 05/11/26 à 10:00 sur 7.0 Mhz en CW"},
        {"F6AB", "Nouvel indicatif"},
        {"", "Nouvel indicatif"},
    };
    for (const auto &t : cases)
        EXPECT_EQ(workedBeforeText(log.summary(t.callsign)), t.text) << t.callsign.toStdString();

    const struct {
        QString callsign, date, band, mode;
        bool worked;
    } days[] = {
        {"F6ABC", "05/11/26", "7.0 Mhz", "CW", true},   // with its /P
        {"F6ABC/P", "04/11/26", "14 Mhz", "SSB", true},
        {"F6ABC", "05/11/26", "7.0 Mhz", "SSB", false}, // another mode
        {"F6ABC", "05/11/26", "14 Mhz", "CW", false},   // another band
        {"F6ABC", "06/11/26", "7.0 Mhz", "CW", false},  // another day
        {"F6XYZ", "05/11/26", "7.0 Mhz", "CW", false},
    };
    for (const auto &t : days)
        EXPECT_EQ(log.workedOn(t.callsign, t.date, t.band, t.mode), t.worked)
            << t.callsign.toStdString() << " " << t.date.toStdString() << " " << t.band.toStdString();
    EXPECT_EQ(workedTodayText(u"7.0 Mhz", u"CW"), "Déjà contacté aujourd'hui sur 7.0 Mhz en CW");

    // A QSO added at the end counts at once; two at the same minute: the later in the log.
    log.add(line(6, "F6ABC", "05/11/26", "14:35", "21 Mhz", "DIG"));
    EXPECT_EQ(workedBeforeText(log.summary(u"F6ABC")),
              "Déjà contacté 4 fois (dont 1 en /P) : dernier QSO le 05/11/26 à 14:35 sur 21 Mhz en DIG");
    log.rebuild({});
    EXPECT_EQ(log.summary(u"F6ABC").count, 0);
}
