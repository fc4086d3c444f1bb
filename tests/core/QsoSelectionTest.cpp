#include "core/labels/QsoSelection.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pendrel;
using namespace pendrel::labels;
using Side = QsoSelection::Side;

namespace {

QStringList numbered(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << QString::number(n).rightJustified(5) + QStringLiteral("  F%1ABC").arg(n);
    return lines;
}

QList<int> numbers(const QsoSelection &s, Side side)
{
    QList<int> out;
    for (const QString &line : s.lines(side))
        out << line.left(5).trimmed().toInt();
    return out;
}

// Moves the line numbered n, wherever it stands in its list.
void moveNumber(QsoSelection &s, Side from, int n)
{
    const qsizetype index = numbers(s, from).indexOf(n);
    ASSERT_GE(index, 0) << n;
    s.move(from, int(index));
}

} // namespace

TEST(QsoSelection, MovesKeepLogOrderInBothLists)
{
    const struct {
        QList<int> chosen, givenBack, print;
    } cases[] = {
        {{5, 2, 9}, {}, {2, 5, 9}},
        {{5, 2, 9}, {2}, {5, 9}},
        {{10, 9, 11, 1}, {}, {1, 9, 10, 11}},
        {{12, 3, 7, 3}, {}, {7, 12}}, // a second click on 3, now in the print list, gives it back
    };
    for (const auto &t : cases) {
        QsoSelection s(numbered(12));
        for (int n : t.chosen) {
            if (numbers(s, Side::Log).contains(n))
                moveNumber(s, Side::Log, n);
            else
                moveNumber(s, Side::Print, n);
        }
        for (int n : t.givenBack)
            moveNumber(s, Side::Print, n);
        EXPECT_EQ(numbers(s, Side::Print), t.print);
        QList<int> rest;
        for (int n = 1; n <= 12; ++n)
            if (!t.print.contains(n))
                rest << n;
        EXPECT_EQ(numbers(s, Side::Log), rest) << "the log list keeps its order";
    }
}

TEST(QsoSelection, LandingIndexIsWhereTheMoveLands)
{
    QsoSelection s(numbered(10));
    for (int n : {8, 3, 6})
        moveNumber(s, Side::Log, n);
    const qsizetype index = numbers(s, Side::Log).indexOf(5);
    EXPECT_EQ(s.landingIndex(Side::Log, int(index)), 1); // between 3 and 6
    s.move(Side::Log, int(index));
    EXPECT_EQ(s.line(Side::Print, 1).left(5), "    5");
    EXPECT_EQ(s.landingIndex(Side::Print, 0), 2); // 3 goes back between 2 and 4
}

TEST(QsoSelection, ChooseAllMergesAndAnEmptyLogListLeavesThePrintList)
{
    QsoSelection s(numbered(11));
    moveNumber(s, Side::Log, 10);
    moveNumber(s, Side::Log, 4);
    s.chooseAll();
    EXPECT_EQ(numbers(s, Side::Print), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(s.count(Side::Log), 0);
    s.chooseAll();
    EXPECT_EQ(s.count(Side::Print), 11);

    QsoSelection empty;
    empty.chooseAll();
    EXPECT_EQ(empty.count(Side::Print), 0);
    empty.move(Side::Log, 0); // nothing to move: no crash, nothing changes
    EXPECT_EQ(empty.count(Side::Print), 0);
}

TEST(QsoSelection, LogLinesOfAMissingLogAreNone)
{
    test::TempFolder folder;
    QString error;
    EXPECT_TRUE(labelLogLines(folder.dir(), "F5KQR", StationKind::Fixed, &error).isEmpty());
    EXPECT_TRUE(error.isEmpty());
    folder.write("F5KQR_P_QRP.log", "F6ABC        29   YVES           IN88GS 14/07/26 09:42 CW  7.0 Mhz 579 559 "
                                    "BREST                          412   JN18DQ  5   82     1    \r\n");
    const QStringList lines = labelLogLines(folder.dir(), "F5KQR", StationKind::Portable, &error);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].left(19), "    1  F6ABC       ");
}
