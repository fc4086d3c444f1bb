#include "platform/qt/QtPrinter.h"
#include "platform/qt/StepRenderer.h"

#include "core/views/ContactReport.h"
#include "support/QsoLines.h"
#include "support/PdfText.h"
#include "support/PdfWords.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pendrel;
using pendrel::test::Qso;

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList reportRecords(int count)
{
    QList<Qso> log;
    for (int i = 1; i <= count; ++i)
        log.append({.call = QStringLiteral("F%1XY").arg(i), .qth = "PARIS"});
    return test::recordLines(log);
}

} // namespace

TEST(QtPrinter, ReportReachesPaperPageByPageInAFixedPitchFont)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("rapport.pdf");
    const QList<PrintStep> steps = contact_report::printSteps("F0ABC", "07/12/2026", reportRecords(150));
    ASSERT_TRUE(printStepsToPdf(steps, pdf));

    const QStringList pages = test::pdfPages(pdf, "4.8");
    ASSERT_EQ(pages.size(), 2); // about 85 lines of 8 points on an A4 page
    EXPECT_TRUE(pages[0].contains("F0ABC  stations QRP contactées au 07/12/2026"));
    EXPECT_TRUE(pages[0].contains("   N° Indicatif    Dpt     Prenom        Loc    Date    QTR  Mode  QRG  RstR RstE   QRB"));
    // Fixed pitch: the columns of a row keep their blanks on paper.
    EXPECT_TRUE(pages[0].contains("    1 F1XY         75   JEAN           JN18EU 12/03/08 14:05 SSB 144 Mhz 59  59     512   "
                                  "JN03AB  5   102    1"))
        << pages[0].left(800).toStdString();
    // The page is turned only when it is full.
    EXPECT_TRUE(pages[0].contains("   80 F80XY ") && !pages[0].contains("  100 F100XY "));
    EXPECT_TRUE(pages[1].contains("  100 F100XY ") && pages[1].contains("  150 F150XY "));
    EXPECT_TRUE(pages[1].contains("Rapport établi par Pendrel"));
    EXPECT_FALSE(pages.join("").contains("PARIS"));

    const QString fonts = run("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains("LiberationMono-Bold")) << fonts.toStdString();

    // Every word within what most printers reach (7 mm from the edges of the
    // sheet), the last heading ("Bonus") included.
    const QList<test::PdfWord> words = test::pdfWords(pdf);
    ASSERT_FALSE(words.isEmpty());
    for (const test::PdfWord &w : words) {
        EXPECT_GE(w.box.left(), 4.0) << w.text.toStdString();
        EXPECT_LE(w.box.right(), 210.0 - 7) << w.text.toStdString();
    }
}

TEST(QtPrinter, FullPageContinuesOnTheNextAndAbandonStops)
{
    QTemporaryDir dir;
    QList<PrintStep> steps = {PrintStep::font("Courier New", 8, false)};
    for (int i = 1; i <= 200; ++i)
        steps.append(PrintStep::line(QStringLiteral("ligne %1").arg(i)));
    steps.append(PrintStep::endJob());
    ASSERT_TRUE(printStepsToPdf(steps, dir.filePath("long.pdf")));
    const QStringList pages = test::pdfPages(dir.filePath("long.pdf"), "4.8");
    ASSERT_EQ(pages.size(), 3); // about 85 lines of 8 points on an A4 page
    const QString all = pages.join("");
    for (int i = 1; i <= 200; ++i)
        EXPECT_TRUE(all.contains(QStringLiteral("ligne %1\n").arg(i))) << i;
    EXPECT_TRUE(pages.last().contains("ligne 200"));

    EXPECT_FALSE(printStepsToPdf({PrintStep::line("x")}, dir.filePath("absent/sub/x.pdf")));
}

// A run of blank lines (one step) goes down the pages as as many single blank lines.
TEST(QtPrinter, ARunOfBlankLinesTurnsThePagesItsLinesWould)
{
    const auto walk = [](bool run) {
        QList<PrintStep> steps = {PrintStep::font("Courier New", 10, false), PrintStep::line("a")};
        if (run)
            steps.append(PrintStep::blankLines(150));
        else
            for (int i = 0; i < 150; ++i)
                steps.append(PrintStep::blankLine());
        steps.append(PrintStep::line("b"));
        int pages = 0;
        StepSurface surface;
        surface.pageHeight = 1000;
        surface.turnPage = [&pages] { return ++pages, true; };
        const StepWalk walked = walkPrintSteps(steps, surface);
        return std::pair{pages, walked.bottom};
    };
    const auto single = walk(false);
    EXPECT_GE(single.first, 1);
    EXPECT_EQ(walk(true), single);
}

// A line or a run of blank lines may carry its font instead of a Font step
// before it: the walk (free or in a placed row, which it may squeeze) and the
// next sheet's job see the same fonts.
TEST(QtPrinter, ALineThatCarriesItsFontIsWalkedAsAfterAFontStep)
{
    const auto steps = [](bool carried) {
        QList<PrintStep> out = {PrintStep::sheets(), PrintStep::font(PrintFontFamily, 10, false),
                                PrintStep::place(1, QRectF(10, 10, 90, 5), 110), PrintStep::line("court")};
        const auto in = [&](int size, bool bold, const PrintStep &step) {
            if (!carried)
                out << PrintStep::font(PrintFontFamily, size, bold) << step;
            else
                out << (step.kind == PrintStep::Kind::Line ? PrintStep::lineIn(size, bold, step.text)
                                                           : PrintStep::blankLinesIn(size, step.lines));
        };
        in(20, true, PrintStep::line("une ligne plus large"));
        out << PrintStep::line("même police");
        in(8, false, PrintStep::blankLines(3));
        out << PrintStep::line("fin") << PrintStep::question("Page suivante ?") << PrintStep::endJob()
            << PrintStep::line("suite");
        return out;
    };
    for (bool placed : {false, true}) {
        StepSurface surface;
        if (placed) {
            surface.dotsPerMm = 10;
            surface.printableMm = QRectF(0, 0, 210, 297);
        }
        const StepWalk fontSteps = walkPrintSteps(steps(false), surface), carried = walkPrintSteps(steps(true), surface);
        EXPECT_EQ(carried.bottom, fontSteps.bottom) << placed;
        EXPECT_EQ(carried.widest, fontSteps.widest) << placed;
    }
    const QList<SheetJob> jobs = sheetJobs(steps(true));
    ASSERT_EQ(jobs.size(), 2);
    EXPECT_EQ(jobs[1].steps.mid(0, 2), (QList<PrintStep>{PrintStep::sheets(), PrintStep::font(PrintFontFamily, 8, false)}));
}

namespace {

// Every replace fails, as on a full disk.
class FullDisk : public FileWriter {
public:
    bool replaceFile(const QString &, const QByteArray &, QString *error) override
    {
        ++attempts;
        *error = QStringLiteral("disque plein");
        return false;
    }
    int attempts = 0;
};

} // namespace

// A PDF replaces its file only when complete: a write that fails (a full disk)
// leaves the former file whole and says why.
TEST(QtPrinter, APdfThatCannotBeWrittenLeavesTheFormerFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("etiquettes.pdf");
    QFile former(path);
    ASSERT_TRUE(former.open(QIODevice::WriteOnly));
    former.write("ancien contenu");
    former.close();
    FullDisk full;
    QString error;
    EXPECT_FALSE(printStepsToPdf({PrintStep::line("x")}, path, &error, full));
    EXPECT_EQ(full.attempts, 1);
    EXPECT_EQ(error, "disque plein");
    EXPECT_EQ(readFileBytes(path).bytes, "ancien contenu");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"etiquettes.pdf"}) << "no scratch file left";
    // Written whole, it replaces the file.
    EXPECT_TRUE(printStepsToPdf({PrintStep::line("x")}, path, &error));
    EXPECT_TRUE(readFileBytes(path).bytes.startsWith("%PDF"));
}

// Printing to a file from the preview: every sheet in one PDF, no sheet
// question, the file offered in the document's folder.
TEST(QtPrinter, APdfFromThePreviewHoldsEverySheetWithoutStopping)
{
    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    const QString path = folder + "/Etiquettes_QSL.pdf";
    const QString before = QDir::currentPath();
    QList<PrintStep> steps = {PrintStep::sheets(), PrintStep::font(PrintFontFamily, 11, false)};
    for (const char *sheet : {"feuille un", "feuille deux"})
        steps << PrintStep::line(sheet) << PrintStep::question("Page suivante ?") << PrintStep::endJob();
    QtPrinter printer;
    printer.nameDocument(folder, "Etiquettes_QSL");
    QString during;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QPrintPreviewDialog *>(w); dialog && dialog->isVisible()) {
                during = QDir::currentPath();
                dialog->printer()->setOutputFileName(path);
                dialog->findChild<QPrintPreviewWidget *>()->print();
                dialog->accept();
            }
    });
    int asked = 0;
    EXPECT_EQ(printer.previewAndPrint(steps, [&](const QString &) { return ++asked, true; }), Printer::Outcome::Printed);
    EXPECT_EQ(during, folder);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(asked, 0);
    const QStringList pages = test::pdfPages(path);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("feuille un") && pages[1].contains("feuille deux"));
}

TEST(QtPrinter, PreviewShowsEveryPageAndCancelPrintsNothing)
{
    QtPrinter printer;
    int previewPages = -1;
    QSize opened;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QPrintPreviewDialog *>(w); dialog && dialog->isVisible()) {
                if (auto *preview = dialog->findChild<QPrintPreviewWidget *>()) {
                    previewPages = preview->pageCount();
                    zoom = preview->zoomMode();
                }
                opened = dialog->size();
                dialog->reject();
            }
    });
    const auto outcome =
        printer.previewAndPrint(contact_report::printSteps("F0ABC", "07/12/2026", reportRecords(150)));
    EXPECT_EQ(outcome, Printer::Outcome::Cancelled);
    EXPECT_EQ(previewPages, 2); // 157 lines, turned over once the first page is full
    // Readable as it opens: most of the screen, the page at the view's width.
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(opened.width(), room.width() * 8 / 10);
    EXPECT_GE(opened.height(), room.height() * 8 / 10);
    EXPECT_EQ(zoom, QPrintPreviewWidget::FitToWidth);
}
