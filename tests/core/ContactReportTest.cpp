#include "core/views/ContactReport.h"

#include "core/storage/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "support/QsoLines.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pendrel;
using pendrel::test::Qso;

namespace {

const QByteArray kTitle = QByteArray(20, ' ') + "F0ABC Stations QRP contact\xE9" "es au 07/12/2026\r\n";
const QByteArray kHeader = "   N\xB0 Indicatif    Dpt     Prenom        Loc    Date    QTR  Mode  QRG  RstR RstE"
                           "            QTH                QRB   MyLoc  Pwr  Km/W  Pts Bonus\r\n";
const QByteArray kCredit = "Rapport \xE9tabli par Pendrel\r\n";
const QByteArray kFirstRow =
    "    1 F0ABC        75   JEAN           JN18EU 12/03/08 14:05 SSB 144 Mhz 59  59  PARIS        "
    "                  512   JN03AB  5   102    1    \r\n";

class FailingWriter : public FileWriter {
public:
    bool replaceFile(const QString &, const QByteArray &, QString *error) override
    {
        *error = QStringLiteral("disque plein");
        return false;
    }
};

struct ReportTest : ::testing::Test {
    test::TempFolder folder;
    FakeClock clock; // 07/12/2026 14:32 UTC, 15:32 local
    const QString name = QStringLiteral("QRP_Contacte_F0ABC_07_12_26.txt");

    void writeLog(const QByteArray &bytes, StationKind kind = StationKind::Fixed)
    {
        folder.write(LogStore::logFileName(QStringLiteral("F0ABC"), kind), bytes);
    }
    ReportResult save(StationKind kind = StationKind::Fixed)
    {
        return saveContactReport(folder.dir(), QStringLiteral("F0ABC"), kind, clock);
    }
};

} // namespace

TEST_F(ReportTest, FileByteForByte)
{
    QList<Qso> log = {{.call = "F0ABC"}};
    for (int i = 2; i <= 100; ++i)
        log.append({.call = QStringLiteral("F%1XY").arg(i), .dpt = "2A", .qth = "SAINT-ÉTIENNE", .bonus = "15"});
    writeLog(encodeLines(test::recordLines(log)));

    const ReportResult result = save();
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.fileName, name);
    EXPECT_EQ(result.message, QStringLiteral("Le log a été enregistré sous le nom : ") + name);

    const QByteArray row100 = "  100 " + encodeLines({log[99].record().recordLine()});
    const QByteArray expectedEnd = row100 + "\r\n" + kCredit;
    const QByteArray bytes = folder.read(name);
    EXPECT_TRUE(bytes.startsWith(kTitle + "\r\n" + kHeader + "\r\n" + kFirstRow)) << bytes.left(600).toStdString();
    EXPECT_TRUE(bytes.endsWith(expectedEnd)) << bytes.right(300).toStdString();
    EXPECT_EQ(bytes.count("\r\n"), 4 + 100 + 2);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.contains("  2A   ")); // the record line as stored, QTH included
    EXPECT_TRUE(bytes.contains("SAINT-\xC9TIENNE"));
}

TEST_F(ReportTest, EmptyLogAndBlankLines)
{
    writeLog({});
    ASSERT_TRUE(save().ok);
    EXPECT_EQ(folder.read(name), kTitle + "\r\n" + kHeader + "\r\n" + "\r\n" + kCredit);

    // A blank line holds no QSO: it is neither written nor numbered, as in the main list.
    const QStringList records = test::recordLines({{.call = "F0ABC"}, {.call = "F5XYZ"}});
    writeLog(encodeLines({records[0], QString(), QStringLiteral("   "), records[1]}));
    ASSERT_TRUE(save().ok);
    const QByteArray bytes = folder.read(name);
    EXPECT_TRUE(bytes.contains(kFirstRow));
    EXPECT_TRUE(bytes.contains("\r\n    2 F5XYZ  "));
    EXPECT_EQ(bytes.count("\r\n"), 4 + 2 + 2);
}

TEST_F(ReportTest, NameFollowsTheLocalDateAndTheSecondReportReplacesTheFirst)
{
    writeLog(encodeLines(test::recordLines({{.call = "F0ABC"}})));
    writeLog({}, StationKind::Portable);
    ASSERT_TRUE(save().ok);
    // The portable log's report of the same day bears the same name and replaces it.
    ASSERT_TRUE(save(StationKind::Portable).ok);
    EXPECT_FALSE(folder.read(name).contains("F0ABC        75"));

    clock.utc = QDateTime(QDate(2026, 12, 31), QTime(23, 30), Qt::UTC); // already 2027 at home
    const ReportResult result = save();
    EXPECT_EQ(result.fileName, QStringLiteral("QRP_Contacte_F0ABC_01_01_27.txt"));
    EXPECT_TRUE(folder.read(result.fileName).contains("contact\xE9" "es au 01/01/2027\r\n"));
}

TEST_F(ReportTest, FailuresLeaveThingsAsTheyWereAndSaySo)
{
    ReportResult missing = save();
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, QStringLiteral("Le log F0ABC_QRP.log est introuvable : le rapport n'a pas été établi."));
    EXPECT_FALSE(folder.exists(name));

    writeLog({});
    folder.write(name, "previous report");
    FailingWriter failing;
    const ReportResult failed = saveContactReport(folder.dir(), QStringLiteral("F0ABC"), StationKind::Fixed, clock, failing);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message, QStringLiteral("Impossible d'enregistrer le fichier %1 (disque plein).").arg(name));
    EXPECT_EQ(folder.read(name), QByteArray("previous report"));
}

TEST(ContactReportPrint, StepsLeaveOutTheQthAndLeavePagingToThePrinter)
{
    QList<Qso> log;
    for (int i = 1; i <= 150; ++i)
        log.append({.call = QStringLiteral("F%1XY").arg(i), .qth = "PARIS"});
    const QList<PrintStep> steps = contact_report::printSteps("F0ABC", "07/12/2026", test::recordLines(log));

    const int lines = 4 + 150 + 3;
    ASSERT_EQ(steps.size(), 1 + lines + 1); // font, lines, end: the printer turns the pages itself
    EXPECT_EQ(steps.first(), PrintStep::font("Courier New", 8, true));
    EXPECT_EQ(steps[1], PrintStep::line(QString(31, u' ') + "F0ABC  stations QRP contactées au 07/12/2026"));
    EXPECT_EQ(steps[2], PrintStep::blankLine());
    EXPECT_EQ(steps[3], PrintStep::line("   N° Indicatif    Dpt     Prenom        Loc    Date    QTR  Mode  QRG  "
                                        "RstR RstE   QRB   MyLoc  Pwr  Km/W  Pts Bonus"));
    EXPECT_EQ(steps[4], PrintStep::blankLine());
    EXPECT_EQ(steps[5], PrintStep::line("    1 F1XY         75   JEAN           JN18EU 12/03/08 14:05 SSB 144 Mhz "
                                        "59  59     512   JN03AB  5   102    1    "));
    EXPECT_EQ(steps[76].text.left(6), QStringLiteral("   72 "));
    EXPECT_EQ(steps[154].text.left(6), QStringLiteral("  150 "));
    for (const PrintStep &s : steps)
        EXPECT_NE(s.kind, PrintStep::Kind::NewPage);
    EXPECT_EQ(steps.mid(steps.size() - 4),
              (QList<PrintStep>{PrintStep::blankLine(), PrintStep::blankLine(),
                                PrintStep::line("Rapport établi par Pendrel"), PrintStep::endJob()}));
    for (const PrintStep &s : steps)
        EXPECT_FALSE(s.text.contains("PARIS"));
}

TEST(ContactReportPrint, EmptyLogPrintsTheFrameOnly)
{
    const QList<PrintStep> steps = contact_report::printSteps("F0ABC", "07/12/2026", {});
    ASSERT_EQ(steps.size(), 1 + 7 + 1);
    EXPECT_EQ(steps[5], PrintStep::blankLine());
    EXPECT_EQ(steps[7], PrintStep::line("Rapport établi par Pendrel"));
}

TEST_F(ReportTest, PrintingGoesThroughThePrinterChoice)
{
    writeLog(encodeLines(test::recordLines({{.call = "F0ABC"}})));
    FakePrinter printer;
    ReportResult printed = printContactReport(folder.dir(), "F0ABC", StationKind::Fixed, clock, printer);
    EXPECT_TRUE(printed.ok);
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_EQ(printer.document, folder.dir() + "/QRP_Contacte_F0ABC_07_12_26") << "a PDF is offered in the data folder";
    EXPECT_EQ(printer.steps, contact_report::printSteps("F0ABC", "07/12/2026", test::recordLines({{.call = "F0ABC"}})));

    printer.steps.clear();
    printer.accept = false; // the operator cancels: nothing printed, nothing to say
    printed = printContactReport(folder.dir(), "F0ABC", StationKind::Fixed, clock, printer);
    EXPECT_TRUE(printed.ok);
    EXPECT_TRUE(printed.message.isEmpty());
    EXPECT_TRUE(printer.steps.isEmpty());

    printer.accept = true;
    printer.failPrint = true;
    printed = printContactReport(folder.dir(), "F0ABC", StationKind::Fixed, clock, printer);
    EXPECT_FALSE(printed.ok);
    EXPECT_EQ(printed.message, QStringLiteral("L'impression du log a échoué."));

    printed = printContactReport(folder.dir(), "F0ABC", StationKind::Portable, clock, printer);
    EXPECT_FALSE(printed.ok);
    EXPECT_EQ(printed.message, QStringLiteral("Le log F0ABC_P_QRP.log est introuvable : le rapport n'a pas été établi."));
}
