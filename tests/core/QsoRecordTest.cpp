#include "core/storage/QsoRecord.h"

#include "support/QtPrinters.h"

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
