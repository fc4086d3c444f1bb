#include "core/storage/QsoRecord.h"

#include "support/QtPrinters.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace pendrel;

namespace {

const QString kRecord = QStringLiteral(
    "F0ABC        75   JEAN           JN18EU 12/03/08 14:05 SSB 144 Mhz 59  59  PARIS                          512   JN03AB  5   102    1    ");
const QString kList = QStringLiteral(
    "    1  F0ABC         75   JEAN           JN18EU  12/03/08  14:05  SSB  144 Mhz  59   59  PARIS                           512   JN03AB  5   102    1    ");

QsoRecord example()
{
    QsoRecord r;
    r.Indicatif = "F0ABC"; r.Dpt = "75"; r.Prenom = "JEAN"; r.Loc = "JN18EU"; r.Date = "12/03/08";
    r.QTR = "14:05"; r.Mode = "SSB"; r.QRG = "144 Mhz"; r.RstR = "59"; r.RstE = "59"; r.QTH = "PARIS";
    r.QRB = "512"; r.MyLoc = "JN03AB"; r.Pwr = "5"; r.KmW = "102"; r.Pts = "1"; r.Bonus = "";
    return r;
}

} // namespace

TEST(QsoRecord, ExampleLinesByteForByte)
{
    ASSERT_EQ(kRecord.size(), 136);
    ASSERT_EQ(kList.size(), 151);
    EXPECT_EQ(example().recordLine(), kRecord);
    EXPECT_EQ(QsoRecord::fromRecordLine(kRecord).listLine(1), kList);
    EXPECT_EQ(recordLineFromListLine(kList), kRecord);
}

TEST(QsoRecord, NumberField)
{
    const std::pair<int, const char *> cases[] = {
        {1, "    1"}, {10, "   10"}, {100, "  100"}, {1000, " 1000"}, {10000, "10000"}, {99999, "99999"}};
    for (auto [n, field] : cases) {
        const QString line = example().listLine(n);
        EXPECT_EQ(line.left(5), QLatin1String(field)) << n;
        EXPECT_EQ(line.size(), 151) << n;
    }
}

TEST(QsoRecord, ShortAndLongLinesKeepTheirColumns)
{
    const QString cases[] = {QString(), kRecord.left(10), kRecord.left(60), kRecord.left(130),
                             kRecord + QStringLiteral("EXTRA"), QStringLiteral("F1ÉÈÀ€œ")};
    for (const QString &line : cases) {
        const QsoRecord r = QsoRecord::fromRecordLine(line);
        EXPECT_EQ(r.recordLine().size(), 136) << qPrintable(line);
        EXPECT_EQ(r.listLine(7).size(), 151) << qPrintable(line);
        EXPECT_EQ(r.recordLine().left(line.size()).trimmed(), line.left(136).trimmed()) << qPrintable(line);
    }
    EXPECT_EQ(QsoRecord::fromRecordLine(kRecord.left(59)).Mode, QStringLiteral("SSB"));
    EXPECT_EQ(QsoRecord::fromRecordLine(kRecord.left(59)).QRG, QString(7, u' '));
}

TEST(QsoRecord, OverlongValuesAreCutToTheirColumn)
{
    QsoRecord r = example();
    r.Indicatif = QStringLiteral("F0ABCDEFGHIJKLMN");
    r.Mode = QStringLiteral("FT8XYZ");
    r.Date = QStringLiteral("12/03/2008");
    const QString line = r.recordLine();
    ASSERT_EQ(line.size(), 136);
    EXPECT_EQ(line.mid(0, 13), QStringLiteral("F0ABCDEFGHIJ "));
    EXPECT_EQ(line.mid(40, 9), QStringLiteral("12/03/20 "));
    EXPECT_EQ(line.mid(55, 4), QStringLiteral("FT8 "));
    EXPECT_EQ(line.mid(59), kRecord.mid(59));
}

TEST(QsoRecord, ListLineKeepsEveryFieldAtItsColumn)
{
    // Each field filled to its full width with its own letter, so a field
    // read one column off shows at once.
    QsoRecord r;
    QString QsoRecord::*fields[] = {&QsoRecord::Indicatif, &QsoRecord::Dpt, &QsoRecord::Prenom, &QsoRecord::Loc,
                                    &QsoRecord::Date, &QsoRecord::QTR, &QsoRecord::Mode, &QsoRecord::QRG,
                                    &QsoRecord::RstR, &QsoRecord::RstE, &QsoRecord::QTH, &QsoRecord::QRB,
                                    &QsoRecord::MyLoc, &QsoRecord::Pwr, &QsoRecord::KmW, &QsoRecord::Pts,
                                    &QsoRecord::Bonus};
    const int widths[] = {12, 4, 14, 6, 8, 5, 3, 7, 3, 3, 30, 5, 6, 2, 5, 1, 2};
    for (int i = 0; i < 17; ++i)
        r.*fields[i] = QString(widths[i], QChar(u'a' + i));
    const QString record = r.recordLine();
    const QString list = r.listLine(42);
    // Columns (1-based) of the record line and of the log list line.
    const int recordAt[] = {1, 14, 19, 34, 41, 50, 56, 60, 68, 72, 76, 107, 113, 121, 125, 132, 135};
    const int listAt[] = {8, 22, 27, 42, 50, 60, 67, 72, 81, 86, 90, 122, 128, 136, 140, 147, 150};
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(record.mid(recordAt[i] - 1, widths[i]), r.*fields[i]) << i;
        EXPECT_EQ(list.mid(listAt[i] - 1, widths[i]), r.*fields[i]) << i;
    }
    EXPECT_EQ(QString(record).remove(QRegularExpression("[a-q]")), QString(136 - 116, u' '));
    EXPECT_EQ(list.left(7), QStringLiteral("   42  "));
    EXPECT_EQ(QsoRecord::fromListLine(list), r);
    EXPECT_EQ(QsoRecord::fromRecordLine(record), r);
    EXPECT_EQ(listLineFromRecordLine(record, 42), list);
}

TEST(QsoRecord, DirectListLineEqualsTheRecordPath)
{
    const QString cases[] = {QString(),         kRecord.left(1),  kRecord.left(12), kRecord.left(13),
                             kRecord.left(100), kRecord.left(135), kRecord,         kRecord + QStringLiteral("XYZ")};
    for (const QString &line : cases)
        for (int n : {1, 9999, 99999})
            EXPECT_EQ(listLineFromRecordLine(line, n), QsoRecord::fromRecordLine(line).listLine(n)) << line.size();
}
