#include "ui/MainFixture.h"

#include "core/labels/LabelLayout.h"
#include "core/labels/LabelStock.h"
#include "platform/qt/QtPrinter.h"
#include "support/PdfText.h"
#include "support/PdfWords.h"
#include "ui/common/LogHeading.h"
#include "ui/labels/Etiquettes.h"
#include "ui/labels/Select_QSO.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontInfo>
#include <QImage>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class LabelWindows : public MainFixture {
protected:
    void SetUp() override
    {
        setIdentity("F5KQR", "JN18DQ");
        setCallsignSetting("F5KQR", "Pwr Fixe", "5");
        // The portable station needs its locator and power before it can be chosen.
        setCallsignSetting("F5KQR", "Pwr Portable", "2");
        setCallsignSetting("F5KQR", "Locator Portable", "JN03TJ");
        QStringList fixed, portable;
        for (int i = 1; i <= 12; ++i)
            fixed << qso(QStringLiteral("F%1AA").arg(i));
        portable << qso("EA3ZZ") << qso("G4PPP");
        writeLog("F5KQR_QRP.log", fixed);
        writeLog("F5KQR_P_QRP.log", portable);
        startMain();
    }

    ui::Select_QSO *openSelection()
    {
        main->findChild<QAction *>("Mnu_Print_QSL")->trigger();
        QList<ui::Select_QSO *> open;
        for (ui::Select_QSO *w : main->findChildren<ui::Select_QSO *>("Select_QSO"))
            if (w->isVisible())
                open << w;
        EXPECT_EQ(open.size(), 1);
        return open.value(0);
    }
    static QListView *list(QWidget *w, const char *name) { return child<QListView>(w, name); }
    // The row numbers a list shows, top to bottom.
    static QList<int> numbers(QListView *view)
    {
        QList<int> out;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            out << view->model()->index(r, 0).data().toString().left(5).trimmed().toInt();
        return out;
    }
    // Clicks the line numbered n of a list, as the operator would.
    static void clickNumber(QListView *view, int n)
    {
        const int row = int(numbers(view).indexOf(n));
        ASSERT_GE(row, 0) << n;
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    ui::Etiquettes *openLabels(ui::Select_QSO *selection)
    {
        QTest::mouseClick(child<QPushButton>(selection, "Impression"), Qt::LeftButton);
        auto *labels = main->findChild<ui::Etiquettes *>("Etiquettes");
        EXPECT_NE(labels, nullptr);
        return labels;
    }
    QStringList printed() const { return labels::stepLines(printer.steps); }
};

} // namespace

TEST_F(LabelWindows, ClicksMoveQsosAndBothListsKeepLogOrder)
{
    ui::Select_QSO *w = openSelection();
    ASSERT_NE(w, nullptr);
    QListView *log = list(w, "Liste_QSO"), *print = list(w, "Liste_Imprime");
    EXPECT_EQ(numbers(log).size(), 12);
    EXPECT_EQ(log->model()->index(1, 0).data().toString(), logLines()[1]) << "the main list's own line";
    for (int n : {5, 2, 10, 9})
        clickNumber(log, n);
    EXPECT_EQ(numbers(print), (QList<int>{2, 5, 9, 10}));
    clickNumber(print, 2);
    EXPECT_EQ(numbers(print), (QList<int>{5, 9, 10}));
    EXPECT_EQ(numbers(log), (QList<int>{1, 2, 3, 4, 6, 7, 8, 11, 12}));

    QTest::mouseClick(child<QPushButton>(w, "Select_All"), Qt::LeftButton);
    EXPECT_EQ(numbers(print), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_TRUE(numbers(log).isEmpty());
    QTest::mouseClick(child<QPushButton>(w, "Select_All"), Qt::LeftButton);
    EXPECT_EQ(numbers(print).size(), 12) << "nothing left to add: the print list stays";

    EXPECT_EQ(openSelection(), w) << "the menu shows the open window again";
}

TEST_F(LabelWindows, SelectionHeadingsStandOverTheirColumnsAndTheWindowFitsTheScreen)
{
    ui::Select_QSO *w = openSelection();
    for (const char *name : {"Label1", "Label5"}) {
        auto *heading = child<ui::LogHeading>(w, name);
        const QString words = heading->label("Label_Colonnes")->text();
        // Columns counted from "N°", which stands at column 4 of a line.
        const struct {
            QString word;
            int column;
        } columns[] = {{"Indicatif", 8}, {"Prénom", 27}, {"Rst R", 79}, {"Rst E", 85}, {"My Loc", 128}, {"K/W", 140},
                       {"Bonus", 149}};
        for (const auto &t : columns)
            EXPECT_EQ(words.indexOf(t.word) + 4, t.column) << name << " " << t.word.toStdString();
    }
    EXPECT_LE(w->frameGeometry().width(), w->screen()->availableGeometry().width());
}

TEST_F(LabelWindows, TheLogShownIsThatOfTheStationKindAndAMissingLogIsEmpty)
{
    c().Option2->click();
    ui::Select_QSO *w = openSelection();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(numbers(list(w, "Liste_QSO")), (QList<int>{1, 2}));
    w->close();
    QApplication::processEvents();

    QFile::remove(folder.path("F5KQR_P_QRP.log"));
    ui::Select_QSO *again = openSelection();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(list(again, "Liste_QSO")->model()->rowCount(), 0);
}

TEST_F(LabelWindows, ChoicesAreReadAtLoadAndStoredAtEachPrint)
{
    setCallsignSetting("F5KQR", "Transceiver", "IC-703");
    setCallsignSetting("F5KQR", "Antenne", "Delta loop");
    setCallsignSetting("F5KQR", "Language", "False");
    setCallsignSetting("F5KQR", "Format etiquette", "3");
    setCallsignSetting("F5KQR", "Decalage bas etiquette", "1.5");
    ui::Select_QSO *w = openSelection();
    for (int n : {3, 1, 2})
        clickNumber(list(w, "Liste_QSO"), n);
    ui::Etiquettes *e = openLabels(w);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(child<QLineEdit>(e, "RxTx")->text(), "IC-703");
    EXPECT_EQ(child<QLineEdit>(e, "Antenne")->text(), "Delta loop");
    EXPECT_TRUE(child<QRadioButton>(e, "langue_2")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(e, "Etiqu_3")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(e, "Arret_Imp")->isChecked());
    EXPECT_EQ(child<QDoubleSpinBox>(e, "Decalage_Bas")->value(), 1.5);
    EXPECT_EQ(child<QDoubleSpinBox>(e, "Decalage_Droite")->value(), 0.0);

    child<QLineEdit>(e, "RxTx")->setText("FT817");
    child<QDoubleSpinBox>(e, "Decalage_Droite")->setValue(-2);
    child<QRadioButton>(e, "langue_1")->click();
    child<QRadioButton>(e, "Etiqu_4")->click();
    QTest::mouseClick(child<QPushButton>(e, "Imprime"), Qt::LeftButton);

    const QString section = "Setup F5KQR";
    EXPECT_EQ(setting(section, "Transceiver"), "FT817");
    EXPECT_EQ(setting(section, "Antenne"), "Delta loop");
    EXPECT_EQ(setting(section, "Language"), "True");
    EXPECT_EQ(setting(section, "Format etiquette"), "4");
    EXPECT_EQ(setting(section, "Decalage droite etiquette"), "-2");
    // The calibration moves the rows of stock 4 (first label at 8.5 mm from the top, 0 from the left).
    EXPECT_EQ(printed().filter(QRegularExpression("^R ")).first(), "R 1 10 -2 35 103");
    // Three QSOs in log order on two rows, with the callsign the main window shows.
    const QStringList steps = printed();
    ASSERT_EQ(printer.dialogs, 1);
    const QStringList names = steps.filter(QRegularExpression("^L 15 B "));
    ASSERT_EQ(names.size(), 2);
    // Callsigns of 5 and 4 characters: two blanks between them.
    EXPECT_TRUE(names[0].contains("De F5KQR  pour F1AA") && names[0].contains("De F5KQR  pour F2AA"))
        << names[0].toStdString();
    EXPECT_TRUE(names[1].contains("De F5KQR  pour F3AA")) << names[1].toStdString();
    EXPECT_EQ(steps.last(), "E");
}

TEST_F(LabelWindows, TooLongNamesAreRefusedAndNothingIsStoredOrPrinted)
{
    const struct {
        QString tx, antenna, message;
    } cases[] = {
        {"123456789", "Dipole", "8 caracteres maxi pour le TX"},
        {"FT817", "12345678901234", "13 caracteres maxi pour l'antenne"},
    };
    ui::Select_QSO *w = openSelection();
    clickNumber(list(w, "Liste_QSO"), 1);
    ui::Etiquettes *e = openLabels(w);
    ASSERT_NE(e, nullptr);
    for (const auto &t : cases) {
        dialogs.messages.clear();
        child<QLineEdit>(e, "RxTx")->setText(t.tx);
        child<QLineEdit>(e, "Antenne")->setText(t.antenna);
        QTest::mouseClick(child<QPushButton>(e, "Imprime"), Qt::LeftButton);
        EXPECT_EQ(dialogs.messages, QStringList{t.message});
        EXPECT_EQ(setting("Setup F5KQR", "Transceiver"), "<absent>");
        EXPECT_EQ(setting("Setup F5KQR", "Antenne"), "<absent>");
        EXPECT_EQ(printer.dialogs, 0);
    }
}

TEST_F(LabelWindows, TheSheetQuestionAndThePortableCallsign)
{
    QStringList fixed;
    for (int i = 1; i <= 17; ++i)
        fixed << qso(QStringLiteral("F%1AA").arg(i));
    writeLog("F5KQR_P_QRP.log", fixed);
    c().Option2->click();
    ui::Select_QSO *w = openSelection();
    QTest::mouseClick(child<QPushButton>(w, "Select_All"), Qt::LeftButton);
    ui::Etiquettes *e = openLabels(w);
    ASSERT_NE(e, nullptr);
    child<QCheckBox>(e, "Arret_Imp")->setChecked(true);
    child<QRadioButton>(e, "Etiqu_1")->click();

    dialogs.messages.clear();
    dialogs.answers = {false};
    QTest::mouseClick(child<QPushButton>(e, "Imprime"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{"Page suivante ?"});
    EXPECT_EQ(printer.jobs.size(), 1) << "the question comes after the first sheet has gone";
    QStringList steps = printed();
    EXPECT_EQ(steps.filter(QRegularExpression("^L 15 B ")).size(), 8) << "No: the first sheet only";
    EXPECT_TRUE(steps.filter(QRegularExpression("^L 15 B ")).first().contains("De F5KQR/P  pour F1AA"));
    EXPECT_EQ(steps.last(), "E");

    printer.steps.clear();
    printer.jobs.clear();
    dialogs.answers = {true};
    QTest::mouseClick(child<QPushButton>(e, "Imprime"), Qt::LeftButton);
    EXPECT_EQ(printer.jobs.size(), 2) << "one job a sheet";
    steps = printed();
    EXPECT_EQ(steps.filter(QRegularExpression("^L 15 B ")).size(), 9);
    EXPECT_EQ(steps.count("E"), 2);
}

TEST_F(LabelWindows, ClosingTheLabelWindowClosesBothAndAnEmptyListAbandons)
{
    ui::Select_QSO *w = openSelection();
    QPointer<ui::Etiquettes> e = openLabels(w);
    ASSERT_TRUE(e);
    EXPECT_EQ(openLabels(w), e.data()) << "shown again, not loaded twice";
    QTest::mouseClick(child<QPushButton>(e, "Imprime"), Qt::LeftButton);
    EXPECT_EQ(printed(), QStringList{"A"}) << "an empty print list: the job is abandoned";
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_EQ(setting("Setup F5KQR", "Format etiquette"), "1") << "the choices are stored all the same";

    QPointer<ui::Select_QSO> selection = w;
    e->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(selection);
    EXPECT_FALSE(e);
}

TEST_F(LabelWindows, PreviewsShowAFrenchAndAnEnglishSampleLabel)
{
    ui::Etiquettes *e = openLabels(openSelection());
    ASSERT_NE(e, nullptr);
    for (const char *frame : {"Frame3", "Frame4"}) {
        auto *box = child<QGroupBox>(e, frame);
        ASSERT_NE(box, nullptr);
        const QImage image = box->grab().toImage();
        // Some dark text on the white label.
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        EXPECT_GT(dark, 200) << frame;
    }
}

// The log list line numbered i, worked with F<i>ZZ, with the fields a label prints.
static QString labelLine(int i)
{
    QsoRecord r;
    r.Indicatif = QStringLiteral("F%1ZZ").arg(i); r.Date = "14/07/26"; r.QTR = "09:42"; r.Mode = "CW";
    r.QRG = "7.0 Mhz"; r.RstE = "559"; r.MyLoc = "JN18DQ"; r.Pwr = "5";
    return r.listLine(i);
}

TEST(LabelPrinting, CourierNewResolvesToAMetricCompatibleFixedPitchFace)
{
    const QFontInfo info(printFont(PrintFontFamily, 11, false));
    EXPECT_EQ(info.family(), "Liberation Mono");
    EXPECT_TRUE(info.fixedPitch());
}

// Seventeen QSOs on each stock: two sheets, every word inside its own label
// (one names line and one title a label), the eighteenth label blank.
TEST(LabelPrinting, SeventeenLabelsLandOnTheirLabelsOfEveryStock)
{
    for (int format = labels::FirstFormat; format <= labels::LastFormat; ++format) {
        labels::LabelJob job;
        job.format = format;
        job.ownCallsign = "F5KQR";
        job.transceiver = "FT817";
        job.antenna = "Delta";
        for (int i = 1; i <= 17; ++i)
            job.qsoLines << labelLine(i);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("etiquettes.pdf");
        ASSERT_TRUE(printStepsToPdf(labels::labelSteps(job), pdf));
        const QList<test::PdfWord> words = test::pdfWords(pdf);
        ASSERT_FALSE(words.isEmpty()) << format;

        const labels::LabelStock &stock = labels::labelStock(format);
        // A word may stand a hair above its label's edge: the font's own ascent.
        const auto labelOf = [&](const QRectF &box) {
            for (int row = 1; row <= labels::RowsPerSheet; ++row)
                for (int column = 0; column < 2; ++column) {
                    QRectF label = stock.leftLabel(row).adjusted(-0.3, -0.3, 0.3, 0.3);
                    label.moveLeft(label.left() + column * stock.horizontalPitch);
                    if (label.contains(box))
                        return (row - 1) * 2 + column;
                }
            return -1;
        };
        QList<int> names(32, 0), titles(32, 0), texts(32, 0);
        for (const test::PdfWord &w : words) {
            const int label = labelOf(w.box);
            ASSERT_GE(label, 0) << "stock " << format << ", page " << w.page << ": \"" << w.text.toStdString()
                                << "\" outside every label at " << w.box.top() << "-" << w.box.bottom() << " mm";
            ASSERT_LE(w.page, 1);
            const int at = w.page * 16 + label;
            ++texts[at];
            names[at] += w.text == "pour";
            titles[at] += w.text == "Tnx_";
        }
        for (int at = 0; at < 17; ++at) {
            EXPECT_EQ(names[at], 1) << "stock " << format << ", label " << at + 1;
            EXPECT_EQ(titles[at], 1) << "stock " << format << ", label " << at + 1;
        }
        EXPECT_EQ(texts[17], 0) << "stock " << format << ": the eighteenth label is blank";
    }
}

TEST(LabelPrinting, PreviewShowsOneSheetPerPage)
{
    const struct {
        int qsos, pages;
    } cases[] = {{17, 2}, {16, 1}};
    for (const auto &t : cases) {
        labels::LabelJob job;
        job.ownCallsign = "F5KQR";
        for (int i = 1; i <= t.qsos; ++i)
            job.qsoLines << labelLine(i);
        QtPrinter printer;
        int pages = -1;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<QPrintPreviewDialog *>(w); dialog && dialog->isVisible()) {
                    pages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
                    dialog->reject();
                }
        });
        EXPECT_EQ(printer.previewAndPrint(labels::labelSteps(job)), Printer::Outcome::Cancelled);
        EXPECT_EQ(pages, t.pages) << t.qsos;
    }
}
