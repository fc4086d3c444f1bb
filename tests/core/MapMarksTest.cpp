// Which boxes of the three kinds of maps a log colours.
#include "core/maps/MapMarks.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pendrel;

namespace {

QsoRecord contact(const QString &dpt, const QString &loc, const QString &band, const QString &mode = "SSB")
{
    QsoRecord r;
    r.Indicatif = "F1AAA"; r.Dpt = dpt; r.Loc = loc; r.Date = "12/03/08"; r.QTR = "14:05"; r.Mode = mode;
    r.QRG = band; r.RstR = r.RstE = "59"; r.MyLoc = "JN18GU"; r.Pwr = "5"; r.Pts = "1";
    return r;
}

QStringList recordLines(const QList<QsoRecord> &qsos)
{
    QStringList lines;
    for (const QsoRecord &q : qsos)
        lines.append(q.recordLine());
    return lines;
}

QStringList listLines(const QList<QsoRecord> &qsos)
{
    QStringList lines;
    for (const QsoRecord &q : qsos)
        lines.append(q.listLine(int(lines.size()) + 1));
    return lines;
}

QList<int> workedBoxes(const BoxMarks &marks)
{
    QList<int> boxes;
    for (int i = 0; i < marks.worked.size(); ++i)
        if (marks.worked[i])
            boxes.append(i);
    return boxes;
}

TEST(DepartementBox, ReadsNumbersAndCorsica)
{
    const std::pair<QString, int> cases[] = {
        {"13", 13}, {"5", 5}, {"05", 5}, {" 5  ", 5}, {"00", 0}, {"0", 0}, {"20", 20}, {"99", 99},
        {"2A", 96}, {"2a", 96}, {"2B", 97}, {"2b", 97}, {"", -1}, {"DX", -1}, {"971", -1}, {"2C", -1},
        {"-1", -1}, {"1 3", -1}, {"+5", -1},
    };
    for (const auto &[dpt, box] : cases)
        EXPECT_EQ(departementBox(dpt), box) << dpt.toStdString();
}

struct DepartementCase {
    const char *what;
    QList<QsoRecord> log;
    QList<int> worked;
    int count;
};

TEST(MarkDepartements, FollowsTheLogRules)
{
    const DepartementCase cases[] = {
        {"empty log", {}, {}, 0},
        {"13 twice", {contact("13", "JN23", "14 Mhz"), contact("13", "JN23", "14 Mhz")}, {13}, 1},
        {"Corsica", {contact("2A", "", "14 Mhz"), contact("2b", "", "14 Mhz")}, {96, 97}, 2},
        {"one digit", {contact("5", "", "14 Mhz")}, {5}, 1},
        {"00 not counted", {contact("00", "", "14 Mhz")}, {0}, 0},
        {"20 counted", {contact("20", "", "14 Mhz")}, {20}, 1},
        {"other mode", {contact("29", "", "14 Mhz", "CW")}, {}, 0},
        {"other band", {contact("29", "", "7.0 Mhz")}, {}, 0},
        {"no box skipped", {contact("DX", "", "14 Mhz"), contact("971", "", "14 Mhz"), contact("", "", "14 Mhz"),
                            contact("35", "", "14 Mhz")}, {35}, 1},
    };
    for (const DepartementCase &c : cases) {
        const BoxMarks marks = MarkDepartements(recordLines(c.log), "14 Mhz", "SSB");
        EXPECT_EQ(marks.worked.size(), DepartementBoxes) << c.what;
        EXPECT_EQ(workedBoxes(marks), c.worked) << c.what;
        EXPECT_EQ(marks.count, c.count) << c.what;
    }
    // Band and mode are compared exactly.
    EXPECT_EQ(MarkDepartements(recordLines({contact("13", "", "14 Mhz")}), "14 MHZ", "SSB").count, 0);
    EXPECT_EQ(MarkDepartements(recordLines({contact("13", "", "14 Mhz")}), "14 Mhz", "ssb").count, 0);
}

TEST(MarkDepartements, ReadsTheLogOfTheStationKind)
{
    test::TempFolder folder;
    const LogStore store(folder.dir());
    folder.write(LogStore::logFileName("F0ABC", StationKind::Fixed),
                 encodeLines(recordLines({contact("13", "", "14 Mhz")})));
    folder.write(LogStore::logFileName("F0ABC", StationKind::Portable),
                 encodeLines(recordLines({contact("29", "", "14 Mhz"), contact("56", "", "14 Mhz")})));
    const LogMarks fixed = MarkDepartements(store, "F0ABC", StationKind::Fixed, "14 Mhz", "SSB");
    const LogMarks portable = MarkDepartements(store, "F0ABC", StationKind::Portable, "14 Mhz", "SSB");
    EXPECT_EQ(workedBoxes(fixed.marks), QList<int>({13}));
    EXPECT_EQ(workedBoxes(portable.marks), QList<int>({29, 56}));
    const LogMarks missing = MarkDepartements(store, "F9ZZZ", StationKind::Fixed, "14 Mhz", "SSB");
    EXPECT_EQ(missing.status, ReadStatus::NotFound);
    EXPECT_EQ(missing.marks.count, 0);
    EXPECT_EQ(missing.marks.worked.size(), DepartementBoxes);
}

TEST(MarkFieldSquares, FollowsTheListRules)
{
    const QStringList lines = listLines({
        contact("", "JN18AB", "7.0 Mhz"), contact("", "JN33", "7.0 Mhz", "CW"), contact("", "JN18EU", "14 Mhz"),
        contact("", "IN97XX", "7.0 Mhz"), contact("", "JN18", "7.0 Mhz"), contact("", "", "7.0 Mhz"),
        contact("", "JNAB12", "7.0 Mhz"), contact("", "JN0", "7.0 Mhz"), contact("", "JN00", "7.0 Mhz"),
    });
    const struct {
        const char *field, *band;
        QList<int> worked;
    } cases[] = {
        {"JN", "7.0 Mhz", {0, 18, 33}},
        {"JN", "14 Mhz", {18}},
        {"IN", "7.0 Mhz", {97}},
        {"IN", "14 Mhz", {}},
        {"KO", "7.0 Mhz", {}},
        {"JN", "7.0 MHz", {}},
    };
    for (const auto &c : cases) {
        const BoxMarks marks = MarkFieldSquares(lines, c.band, c.field);
        EXPECT_EQ(workedBoxes(marks), c.worked) << c.field << ' ' << c.band;
        EXPECT_EQ(marks.count, c.worked.size()) << c.field << ' ' << c.band;
    }
    // A line of another shape (shorter than its columns) is skipped.
    EXPECT_EQ(MarkFieldSquares({QStringLiteral("    1  F1AAA")}, "7.0 Mhz", "JN").count, 0);
}

TEST(WorldQuarters, NumberTheirBoxesRowByRowFromTheTopLeft)
{
    const struct {
        const char *quarter, *field;
        int box;
    } cases[] = {
        {"NE", "IR", 1}, {"NE", "JR", 2}, {"NE", "IQ", 11}, {"NE", "RJ", 90}, {"NE", "JN", 42}, {"NE", "IO", 31},
        {"NE", "IJ", 81}, {"SE", "QA", 89}, {"SE", "RA", 90}, {"SE", "II", 1}, {"SO", "GE", 39},
        {"NO", "HJ", 72}, {"NO", "AR", 1}, {"NO", "JN", 0}, {"NE", "HN", 0}, {"NE", "JI", 0}, {"SE", "JN", 0},
        {"SO", "AS", 0}, {"NE", "J", 0},
    };
    for (const auto &c : cases) {
        const WorldQuarter *q = findWorldQuarter(c.quarter);
        ASSERT_NE(q, nullptr);
        EXPECT_EQ(q->boxOf(QString::fromLatin1(c.field)), c.box) << c.quarter << ' ' << c.field;
        if (c.box > 0) {
            EXPECT_EQ(q->fieldOf(c.box), QString::fromLatin1(c.field)) << c.quarter << ' ' << c.box;
        }
    }
    EXPECT_EQ(findWorldQuarter("1/4 S.O.monde"), findWorldQuarter("SO"));
    EXPECT_EQ(findWorldQuarter("1/4 X.monde"), nullptr);
}

TEST(MarkWorldFields, MarksTheQuarterFieldsOnTheBand)
{
    const QStringList lines = listLines({
        contact("", "JN18EU", "14 Mhz"), contact("", "IO91", "14 Mhz", "CW"), contact("", "JN33AA", "14 Mhz"),
        contact("", "QA12", "14 Mhz"), contact("", "GE50", "14 Mhz"), contact("", "HJ", "14 Mhz"),
        contact("", "IJ00", "14 Mhz"), contact("", "KN00", "7.0 Mhz"), contact("", "", "14 Mhz"),
    });
    const struct {
        const char *quarter;
        QList<int> boxes; // Text1 indexes
    } cases[] = {{"NE", {31, 42, 81}}, {"NO", {72}}, {"SE", {89}}, {"SO", {39}}};
    for (const auto &c : cases) {
        const BoxMarks marks = MarkWorldFields(lines, "14 Mhz", *findWorldQuarter(c.quarter));
        QList<int> boxes;
        for (int i : workedBoxes(marks))
            boxes.append(i + 1);
        EXPECT_EQ(boxes, c.boxes) << c.quarter;
        EXPECT_EQ(marks.count, c.boxes.size()) << c.quarter;
    }
}

} // namespace

// Read from the file line by line, the field and world maps mark what the
// list of the same log shows: blank and hand-edited lines, and no QSO beyond
// the 99,999 the list can number.
TEST(MapMarks, FromTheFileTheyMarkWhatTheListShows)
{
    test::TempFolder folder;
    const LogStore store(folder.dir());
    const QString name = LogStore::logFileName("F0ABC", StationKind::Fixed);
    const QByteArray some = encodeLines(recordLines({contact("", "JN18AB", "7.0 Mhz"), contact("", "IN88HK", "7.0 Mhz"),
                                                     contact("", "JN33", "7.0 Mhz"), contact("", "KO10AA", "14 Mhz")}));
    const QByteArray beyond = encodeLines(recordLines({contact("", "JN99AA", "7.0 Mhz")}));
    const struct {
        const char *what;
        QByteArray bytes;
    } logs[] = {
        {"blank and short lines, no last line end", "\r\n" + some + "   \r\nF6ABC\r\n" + some.chopped(2)},
        {"a QSO after the 99,999th", QByteArray("F6ABC\r\n").repeated(QsoRecord::MaxQsoNumber - 4) + some + beyond},
    };
    const WorldQuarter &northEast = *findWorldQuarter("NE");
    for (const auto &log : logs) {
        SCOPED_TRACE(log.what);
        folder.write(name, log.bytes);
        const QStringList shown = store.LoadLog("F0ABC", StationKind::Fixed).view.listLines;
        const LogMarks squares = MarkFieldSquares(store, "F0ABC", StationKind::Fixed, "7.0 Mhz", "JN");
        const LogMarks fields = MarkWorldFields(store, "F0ABC", StationKind::Fixed, "7.0 Mhz", northEast);
        EXPECT_EQ(squares.status, ReadStatus::Ok);
        EXPECT_EQ(workedBoxes(squares.marks), workedBoxes(MarkFieldSquares(shown, "7.0 Mhz", "JN")));
        EXPECT_EQ(workedBoxes(squares.marks), QList<int>({18, 33})); // JN99 lies beyond the list
        EXPECT_EQ(workedBoxes(fields.marks), workedBoxes(MarkWorldFields(shown, "7.0 Mhz", northEast)));
    }
    EXPECT_EQ(MarkFieldSquares(store, "F9ZZZ", StationKind::Fixed, "7.0 Mhz", "JN").status, ReadStatus::NotFound);
}
