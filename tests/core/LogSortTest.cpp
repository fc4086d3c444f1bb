#include "core/views/LogSort.h"

#include "support/QsoLines.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;
using pendrel::test::Qso;

namespace {

// The line of QSO number `fileRow` (1-based) of `lines`, shown at rank `rank`.
QString atRank(const QStringList &lines, int fileRow, int rank)
{
    return listNumberField(rank) + lines[fileRow - 1].mid(5);
}

// Checks that `sorted` shows the file rows `order` (1-based), renumbered 1..N.
void expectOrder(const QStringList &lines, LogSortKey key, const QList<int> &order)
{
    const QStringList sorted = sortLogLines(lines, key);
    ASSERT_EQ(sorted.size(), order.size());
    for (int i = 0; i < order.size(); ++i)
        EXPECT_EQ(sorted[i], atRank(lines, order[i], i + 1)) << "rank " << i + 1;
    EXPECT_EQ(sortLogLines(sorted, key), sorted) << "sorting again changes nothing";
}

// A log with ties, empty values and numbers of one to five digits.
const QList<Qso> kLog = {
    /* 1 */ {.call = "F6ABC", .dpt = "75", .prenom = "jean", .qrb = "1200", .kmw = "240"},
    /* 2 */ {.call = "F5XYZ", .dpt = "2A", .prenom = "PAUL", .qrb = "95", .kmw = "19"},
    /* 3 */ {.call = "F6ABC", .dpt = "75", .prenom = "JACQUES", .qrb = "", .kmw = ""},
    /* 4 */ {.call = "F1AAA/P", .dpt = "7", .prenom = "LUC", .qrb = "7", .kmw = "7", .bonus = "15"},
    /* 5 */ {.call = "F5XYZ", .dpt = "2A", .prenom = "PAUL", .qrb = "95", .kmw = "19"},
    /* 6 */ {.call = "ON4ZZ", .dpt = "", .prenom = "", .qrb = "10234", .kmw = "10234"},
    /* 7 */ {.call = "F1AAA", .dpt = "2B", .prenom = "Marc", .qrb = "512", .kmw = "51"},
    /* 8 */ {.call = "F6ABC", .dpt = "75", .prenom = "JEAN", .qrb = "42", .kmw = "4"},
};

} // namespace

TEST(LogSort, EachKeyGivesItsOrder)
{
    const QStringList lines = test::listLines(kLog);
    // Callsign, then département, then first name without regard to case:
    // JACQUES before jean, and the two "jean"/"JEAN" ties keep the file order.
    expectOrder(lines, LogSortKey::Indicatif, {7, 4, 2, 5, 3, 1, 8, 6});
    // Département (blank first, "7 " before "75"), then callsign.
    expectOrder(lines, LogSortKey::Dpt, {6, 2, 5, 7, 4, 3, 1, 8});
    // Numerically, the empty QRB as 0, smallest first.
    expectOrder(lines, LogSortKey::QRB, {3, 4, 8, 2, 5, 7, 1, 6});
    expectOrder(lines, LogSortKey::KmW, {3, 8, 4, 2, 5, 7, 1, 6});
}

TEST(LogSort, EmptyListStaysEmpty)
{
    for (LogSortKey key : {LogSortKey::Indicatif, LogSortKey::Dpt, LogSortKey::QRB, LogSortKey::KmW})
        EXPECT_TRUE(sortLogLines({}, key).isEmpty());
}

TEST(LogSort, RankFieldsAndColumnsOfTheSortedView)
{
    QList<Qso> log;
    for (int i = 0; i < 120; ++i)
        log.append({.call = QStringLiteral("F%1AB").arg(119 - i, 3, 10, QLatin1Char('0')),
                    .qrb = QString::number(i * 7), .bonus = i % 2 ? "10" : ""});
    const QStringList sorted = sortLogLines(test::listLines(log), LogSortKey::Indicatif);
    ASSERT_EQ(sorted.size(), 120);
    EXPECT_EQ(sorted.first().left(7), QStringLiteral("    1  "));
    EXPECT_EQ(sorted[99].left(7), QStringLiteral("  100  "));
    EXPECT_EQ(sorted.last().left(7), QStringLiteral("  120  "));
    EXPECT_EQ(sorted.first().mid(7, 12), QStringLiteral("F000AB      "));
    // The bonus column still holds each QSO's bonus: F000AB is QSO 120, which has one.
    EXPECT_EQ(sorted.first().mid(149, 2), QStringLiteral("10"));
    EXPECT_EQ(sorted[1].mid(149, 2), QStringLiteral("  "));
    // The value column keeps its left-aligned text after a sort by value.
    const QStringList byQrb = sortLogLines(test::listLines(log), LogSortKey::QRB);
    EXPECT_EQ(byQrb[1].mid(121, 5), QStringLiteral("7    "));
    EXPECT_EQ(byQrb.last().mid(121, 5), QStringLiteral("833  "));

    // Ranks of every width, up to the five columns of a full log.
    QStringList many;
    for (int i = 0; i < 10000; ++i)
        many.append(test::listLines({{.call = QStringLiteral("F%1").arg(i, 5, 10, QLatin1Char('0'))}}).first());
    const QStringList ranked = sortLogLines(many, LogSortKey::Dpt);
    for (int rank : {9, 10, 999, 1000, 9999, 10000})
        EXPECT_EQ(ranked[rank - 1].left(7), listNumberField(rank) + QStringLiteral("  ")) << rank;
}

// Hand-edited files: value columns with other characters than digits and
// blanks, and lines shorter than the 151 columns.
TEST(LogSort, OddValueColumnsNeitherCrashNorShiftLines)
{
    const QList<Qso> log = {
        {.call = "F1A", .qrb = "12a", .kmw = "x"},  {.call = "F1B", .qrb = "1 2", .kmw = "-5"},
        {.call = "F1C", .qrb = "abc", .kmw = "3.7"}, {.call = "F1D", .qrb = "9", .kmw = "99999"},
        {.call = "F1E", .qrb = "-40", .kmw = "1e3"},
    };
    QStringList lines = test::listLines(log);
    // A sign is no digit: "-40" and "-5" count 0 like "abc" and "x".
    expectOrder(lines, LogSortKey::QRB, {3, 5, 4, 1, 2}); // 0, 0, 9, 12, 12 (read "1 2")
    expectOrder(lines, LogSortKey::KmW, {1, 2, 5, 3, 4}); // 0, 0, 1, 3.7, 99999

    lines.append(QStringLiteral("    6  F0SHORT       13"));
    for (LogSortKey key : {LogSortKey::Indicatif, LogSortKey::Dpt, LogSortKey::QRB, LogSortKey::KmW}) {
        const QStringList sorted = sortLogLines(lines, key);
        ASSERT_EQ(sorted.size(), 6);
        QStringList bodies, expected;
        for (const QString &l : sorted) {
            EXPECT_EQ(l.size(), QsoRecord::ListLineLength);
            bodies.append(l.mid(5).trimmed());
        }
        for (const QString &l : lines)
            expected.append(l.mid(5).trimmed());
        bodies.sort();
        expected.sort();
        EXPECT_EQ(bodies, expected);
    }
}

TEST(LogSort, AccentedLettersCompareWithoutCase)
{
    const QStringList lines = test::listLines(
        {{.call = "F5A", .prenom = "éric"}, {.call = "F5A", .prenom = "ÉRIC"}, {.call = "F5A", .prenom = "EMILE"},
         {.call = "F5A", .prenom = "ZOE"}});
    expectOrder(lines, LogSortKey::Indicatif, {3, 1, 2, 4});
}
