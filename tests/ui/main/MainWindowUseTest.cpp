// The main window as an operator meets it: the entry flow by keys only, the
// headings over the list, the dialogs around it, its figures and its size.
#include "ui/EntryLineFixture.h"

#include "core/storage/QsoRecord.h"
#include "ui/common/LogHeading.h"
#include "ui/views/Recherche_Indicatif.h"

#include <QAbstractItemView>
#include <QImage>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class MainWindowUse : public EntryLineFixture {
protected:
    QsoRecord lastStored(const QString &file = "F1AAA_QRP.log")
    {
        const QStringList lines = fileLines(file);
        return lines.isEmpty() ? QsoRecord{} : QsoRecord::fromRecordLine(lines.last());
    }
};

// ---- Entry flow ------------------------------------------------------------

TEST_F(MainWindowUse, KeysTypedInAFieldTheChainOpensReplaceItsText)
{
    const struct {
        const char *mode, *band, *rstR, *rstE; // keys typed; empty: Enter alone
        const char *storedMode, *storedBand, *storedR, *storedE;
    } cases[] = {
        {"cw", "14", "57", "579", "CW", "14 Mhz", "57", "579"},
        {"c", "7", "5", "44", "CW", "7.0 Mhz", "5", "44"},
        {"d", "144", "", "", "DIG", "144 Mhz", "59", "59"},
        {"", "", "", "", "SSB", "1.8 Mhz", "59", "59"}, // what is proposed stays one Enter away
        {"s", "43", "0", "1", "SSB", "432 Mhz", "0", "1"},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.mode + std::string("/") + t.band);
        dialogs.messages.clear();
        settings.values.clear();
        startStation();
        typeField("Ind_A", "f6xyz");
        typeField("Prenom_A", "jean");
        typeField("Loc_A", "jn03tj");
        typeField("Dpt_A", "29");
        typeField("Mode_A", t.mode);
        typeField("Bande_A", t.band);
        typeField("RST_A", t.rstR);
        typeField("RSTE_A", t.rstE);
        typeField("Rem_A", "");
        typeField("QRB_A", "");
        validate();
        EXPECT_EQ(dialogs.messages.value(0), "Voulez vous enregistrer ces données ?")
            << dialogs.messages.join('|').toStdString();
        const QsoRecord stored = lastStored();
        EXPECT_EQ(stored.Indicatif.trimmed(), "F6XYZ");
        EXPECT_EQ(stored.Mode.trimmed(), t.storedMode);
        EXPECT_EQ(stored.QRG.trimmed(), t.storedBand);
        EXPECT_EQ(stored.RstR.trimmed(), t.storedR);
        EXPECT_EQ(stored.RstE.trimmed(), t.storedE);
        main.reset();
    }
}

TEST_F(MainWindowUse, EditedAndRefusedFieldsAreSelectedSoThatTypingReplacesThem)
{
    startStation({qso("F5AAA")});
    // Edit: the callsign field opens with the logged callsign selected.
    c().Modi_Saisie->click();
    typeField("Ind_A", "f4bbb");
    EXPECT_EQ(textOf("Ind_A"), "F4BBB");
    typeField("Prenom_A", "");
    EXPECT_EQ(textOf("Prenom_A"), "JEAN"); // Enter alone keeps it

    // A refused report: the operator comes back to it and types it again.
    c().Efface_A->click();
    typeField("Ind_A", "f6xyz");
    typeField("Prenom_A", "");
    typeField("Loc_A", "");
    typeField("Dpt_A", "");
    typeField("Mode_A", "");
    typeField("Bande_A", "");
    typeField("RST_A", "69");
    EXPECT_EQ(dialogs.messages.value(0), "R (de RST)doit etre compris entre 0 et 5");
    typeField("RST_A", "57");
    EXPECT_EQ(textOf("RST_A"), "57");
    EXPECT_EQ(focusName(), "RSTE_A");
}

// ---- Keyboard --------------------------------------------------------------

TEST_F(MainWindowUse, MenusAndSecondaryWindowsAnswerTheKeyboard)
{
    startStation();
    QApplication::setActiveWindow(main.get());
    // Alt and a menu's letter opens it rather than typing into the callsign.
    QTest::keyClick(field("Ind_A"), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(textOf("Ind_A"), "");
    QTest::keyClick(main->menuBar(), Qt::Key_Escape);
    QTest::keyClick(field("Ind_A"), Qt::Key_F10);
    ASSERT_NE(main->menuBar()->activeAction(), nullptr);
    EXPECT_EQ(main->menuBar()->activeAction()->objectName(), "Mnu_Fichier");

    // Escape closes a window opened from the main one.
    c().Rechercher->click();
    auto *search = main->findChild<ui::Recherche_Indicatif *>("Recherche_Indicatif");
    ASSERT_NE(search, nullptr);
    QApplication::setActiveWindow(search);
    QTest::keyClick(search->focusWidget() ? search->focusWidget() : search, Qt::Key_Escape);
    EXPECT_FALSE(search->isVisible());
}

TEST_F(MainWindowUse, QuittingAsksOnlyWhenAQsoIsBeingTyped)
{
    startStation();
    // What the program proposes (mode, band, reports, date) is not a QSO being typed.
    main->close();
    EXPECT_EQ(dialogs.messages, QStringList());
    EXPECT_EQ(endedWith, QList<int>{0});

    endedWith.clear();
    startStation();
    typeKeys("Ind_A", "f6x");
    dialogs.answers = {false};
    main->close();
    EXPECT_EQ(dialogs.messages, QStringList{"Un QSO est en cours de saisie : quitter sans l'enregistrer ?"});
    EXPECT_TRUE(endedWith.isEmpty()) << "No: the entry stays";
    EXPECT_EQ(textOf("Ind_A"), "F6X");
    c().Efface_A->click();
    main->close();
    EXPECT_EQ(endedWith, QList<int>{0}) << "cleared: nothing to lose";
}

// ---- Headings --------------------------------------------------------------

// Where words begin in one row of pixels: x (in `origin`'s frame) of each run
// of ink that follows a gap wider than half a character.
QList<int> wordStarts(const QImage &image, int top, int bottom, int xOffset, int charWidth)
{
    const QRgb background = image.pixel(image.width() - 1, (top + bottom) / 2);
    auto ink = [&](int x) {
        for (int y = top; y < bottom; ++y) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qGray(p) - qGray(background)) > 80)
                return true;
        }
        return false;
    };
    QList<int> starts;
    int gap = charWidth;
    for (int x = 0; x < image.width(); ++x) {
        if (!ink(x)) {
            ++gap;
            continue;
        }
        if (gap > charWidth / 2)
            starts.append(x + xOffset);
        gap = 0;
    }
    return starts;
}

// A list line that holds the heading words at their own columns: once drawn,
// each word must start where the heading's word starts.
QString lineOfHeadingWords()
{
    QString line(QsoRecord::ListLineLength + 3, u' ');
    for (const ui::ColumnHeading &heading : ui::logListHeadings())
        for (const auto &[column, word] : heading.words)
            line.replace(column - 1, word.size(), word);
    return line;
}

// Compares the word starts of the heading row and of the first list line.
void expectHeadingsOverColumns(QAbstractItemView *list, QWidget *headings)
{
    QApplication::processEvents();
    const int charWidth = QFontMetrics(list->font()).horizontalAdvance(u'0');
    QWidget *top = list->window();
    const QRect row = list->visualRect(list->model()->index(0, 0));
    const QImage lineImage = list->viewport()->grab().toImage();
    const QImage headingImage = headings->grab().toImage();
    const int scale = int(lineImage.devicePixelRatio());
    const QList<int> inLine = wordStarts(lineImage, row.top() * scale, row.bottom() * scale,
                                         list->viewport()->mapTo(top, QPoint()).x(), charWidth);
    QList<int> inHeadings = wordStarts(headingImage, 0, headingImage.height(), headings->mapTo(top, QPoint()).x(),
                                       charWidth);
    // Only words the list shows whole: either row may be cut at both ends.
    const int viewportLeft = list->viewport()->mapTo(top, QPoint()).x();
    const int viewportRight = viewportLeft + list->viewport()->width();
    auto shown = [&](QList<int> starts) {
        starts.removeIf([&](int x) { return x < viewportLeft + 2 * charWidth || x > viewportRight - 2 * charWidth; });
        return starts;
    };
    inHeadings = shown(inHeadings);
    const QList<int> shownLine = shown(inLine);
    ASSERT_FALSE(shownLine.isEmpty());
    ASSERT_EQ(inHeadings.size(), shownLine.size())
        << "heading starts " << inHeadings.size() << ", line starts " << shownLine.size();
    for (qsizetype i = 0; i < shownLine.size(); ++i)
        EXPECT_NEAR(inHeadings[i], shownLine[i], 1) << "word " << i;
}

TEST_F(MainWindowUse, HeadingsStandOverTheirColumnsAtAnyFontAndScroll)
{
    startStation({qso("F5AAA")});
    main->logModel()->setStringList({lineOfHeadingWords()});
    c().Liste_Orvil->setCurrentIndex(QModelIndex());
    const QFont base = c().Liste_Orvil->font();
    for (const int points : {8, 11, 15}) {
        SCOPED_TRACE(points);
        QFont font = base;
        font.setPointSize(points);
        c().Liste_Orvil->setFont(font);
        main->resize(1600, 600);
        c().Liste_Orvil->horizontalScrollBar()->setValue(0);
        expectHeadingsOverColumns(c().Liste_Orvil, c().LogHeadings);
        // Narrower than a line: scrolled sideways, the headings follow.
        main->resize(800, 600);
        QApplication::processEvents();
        c().Liste_Orvil->horizontalScrollBar()->setValue(c().Liste_Orvil->horizontalScrollBar()->maximum());
        expectHeadingsOverColumns(c().Liste_Orvil, c().LogHeadings);
    }
}

TEST_F(MainWindowUse, SearchWindowShowsTheListHeadingsOverItsColumnsAndFitsTheScreen)
{
    startStation({qso("F5AAA")});
    c().Rechercher->click();
    auto *search = main->findChild<ui::Recherche_Indicatif *>("Recherche_Indicatif");
    ASSERT_NE(search, nullptr);
    auto *found = child<QListWidget>(search, "QSO_Effectues");
    auto *headings = child<ui::LogHeading>(search, "LogHeadings");
    ASSERT_TRUE(found && headings);
    found->addItem(lineOfHeadingWords());
    const QRect screen = search->screen()->availableGeometry();
    EXPECT_LE(search->width(), screen.width());
    EXPECT_LE(search->minimumSizeHint().width(), 700);
    // The search boxes stay the size of what they take.
    EXPECT_LT(child<QLineEdit>(search, "Indica")->width(), 300);
    search->resize(1600, 500);
    expectHeadingsOverColumns(found, headings);
    search->close();
}

TEST_F(MainWindowUse, ListTooltipShowsOverItsLines)
{
    startStation({qso("F5AAA")});
    QWidget *viewport = c().Liste_Orvil->viewport();
    const QPoint at = c().Liste_Orvil->visualRect(main->logModel()->index(0)).center();
    QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Cliquez sur une ligne pour la modifier ou la supprimer");
    QToolTip::hideText();
}

// ---- Dialogs ---------------------------------------------------------------

TEST_F(MainWindowUse, StationDialogCanBeLeftOnceACallsignExists)
{
    const char *ways[] = {"Escape", "close", "Annuler"};
    for (const char *way : ways) {
        SCOPED_TRACE(way);
        dialogs.messages.clear();
        startStation({qso("F5AAA")});
        child<QAction>(main.get(), "Mnu_New_Indicatif")->trigger();
        QPointer<QDialog> station = main->findChild<QDialog *>("Station");
        ASSERT_FALSE(station.isNull());
        ASSERT_TRUE(station->isVisible());
        auto *cancel = child<QPushButton>(station, "Annuler");
        ASSERT_NE(cancel, nullptr);
        EXPECT_TRUE(cancel->isVisible());
        child<QLineEdit>(station, "New_Indicatif")->setText("F9ZZZ");
        if (QString(way) == "Escape")
            QTest::keyClick(child<QLineEdit>(station, "New_Indicatif"), Qt::Key_Escape);
        else if (QString(way) == "close")
            station->close();
        else
            cancel->click();
        EXPECT_TRUE(station.isNull() || !station->isVisible());
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
        EXPECT_EQ(setting(settings::GlobalSection, settings::IndicatifStation), "F1AAA");
        EXPECT_EQ(c().I_Station->text(), "F1AAA");
        EXPECT_EQ(logLines().size(), 1);
        main.reset();
    }
}

// ---- Figures ---------------------------------------------------------------

TEST_F(MainWindowUse, OutingCountIsNamedAndShownOnlyForThePortableStation)
{
    setCallsignSetting("F1AAA", "Locator Portable", "JN03AB");
    setCallsignSetting("F1AAA", "Pwr Portable", "5");
    setCallsignSetting("F1AAA", "Bonus", "5");
    startStation({qso("F5AAA")}, {qso("F6BBB/P", "10", "4")});
    EXPECT_EQ(c().Label23->text(), "Pts");
    c().Option2->click();
    EXPECT_EQ(c().Label23->text(), "Pts   (QSO 5 de la sortie)");
    typeField("Ind_A", "f6xyz");
    typeField("Prenom_A", "");
    typeField("Loc_A", "jn03tj");
    for (const char *name : {"Dpt_A", "Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QRB_A"})
        typeField(name, "");
    validate();
    EXPECT_EQ(c().Label23->text(), "Pts   (QSO 6 de la sortie)");
    c().Option1->click();
    EXPECT_EQ(c().Label23->text(), "Pts"); // no restart needed
}

TEST_F(MainWindowUse, FullLogSaysSoBeforeTheEntryStarts)
{
    QStringList full;
    full.reserve(QsoRecord::MaxQsoNumber);
    const QString one = qso("F5AAA");
    for (int i = 0; i < QsoRecord::MaxQsoNumber; ++i)
        full.append(one);
    startStation(full);
    EXPECT_FALSE(c().Frame3->title().contains("100000")) << c().Frame3->title().toStdString();
    EXPECT_TRUE(c().Frame3->title().contains("99999"));
    typeField("Ind_A", "f6xyz");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Le log F1AAA_QRP.log contient déjà 99999 QSO"))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(focusName(), "Ind_A");
    EXPECT_FALSE(field("Prenom_A")->isEnabled());
}

TEST_F(MainWindowUse, SortIsMarkedAndKeepsTheSelectedQsoSelected)
{
    startStation({qso("F6ZZZ", "5"), qso("F5AAA", "50"), qso("F4MMM", "20")});
    c().Liste_Orvil->setCurrentIndex(main->logModel()->index(0)); // F6ZZZ
    EXPECT_TRUE(c().Tri_Date->isChecked());
    const struct {
        QPushButton *ui::MainControls::*sort;
        int row; // where F6ZZZ stands once sorted
    } cases[] = {
        {&ui::MainControls::Tri_Ind, 2},
        {&ui::MainControls::Tri_KmW, 0},
        {&ui::MainControls::Tri_QRB, -1}, // equal distances: any place, still selected
        {&ui::MainControls::Tri_Dpt, -1},
        {&ui::MainControls::Tri_Date, 0},
    };
    for (const auto &t : cases) {
        QPushButton *sort = c().*t.sort;
        SCOPED_TRACE(sort->objectName().toStdString());
        QTest::mouseClick(sort, Qt::LeftButton);
        for (QPushButton *other : {c().Tri_Ind, c().Tri_Dpt, c().Tri_Date, c().Tri_QRB, c().Tri_KmW})
            EXPECT_EQ(other->isChecked(), other == sort) << other->objectName().toStdString();
        const QModelIndex current = c().Liste_Orvil->currentIndex();
        ASSERT_TRUE(current.isValid());
        EXPECT_TRUE(current.data().toString().mid(7, 12).startsWith("F6ZZZ"));
        if (t.row >= 0) {
            EXPECT_EQ(current.row(), t.row);
        }
        EXPECT_TRUE(main->state().SelectedLogLine.mid(7).startsWith("F6ZZZ"));
        EXPECT_TRUE(c().Liste_Orvil->viewport()->rect().intersects(c().Liste_Orvil->visualRect(current)));
    }
}

// ---- Size ------------------------------------------------------------------

// Windows open inside the screen, the help too (taller than a netbook's), and
// the main window keeps its size when an outing starts.
TEST_F(MainWindowUse, WindowsOpenInsideTheScreenAndKeepTheirSize)
{
    startStation();
    const QRect area = main->screen()->availableGeometry();
    main->resize(main->minimumSizeHint()); // as narrow as it goes: any wider need would widen it
    QApplication::processEvents();
    const QSize before = main->size();
    c().mnu_sortie->trigger();
    QApplication::processEvents();
    EXPECT_LE(main->minimumSizeHint().width(), before.width()) << "the outing count never widens the window";

    main->findChild<QAction *>("Mnu_Mode_Emploi")->trigger();
    QApplication::processEvents();
    auto *help = main->findChild<QWidget *>("Notice");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(area.contains(help->frameGeometry()))
        << help->frameGeometry().x() << "," << help->frameGeometry().y() << " " << help->frameGeometry().width() << "x"
        << help->frameGeometry().height();
}

TEST_F(MainWindowUse, MainWindowFitsANetbookScreenAndTheEntryFollowsTheFocus)
{
    startStation({qso("F5AAA")});
    const QSize smallest = main->minimumSizeHint().expandedTo(main->minimumSize());
    EXPECT_LE(smallest.width(), 1024);
    EXPECT_LE(smallest.height(), 600);
    main->resize(1024, 600);
    QApplication::processEvents();
    EXPECT_EQ(main->size(), QSize(1024, 600));
    EXPECT_GE(c().Liste_Orvil->height(), 4 * QFontMetrics(c().Liste_Orvil->font()).lineSpacing());

    // Narrower still, the field with the focus is scrolled into view.
    main->resize(std::max(smallest.width(), 640), 600);
    QApplication::processEvents();
    auto *scroller = child<QScrollArea>(main.get(), "EntryScroll");
    ASSERT_NE(scroller, nullptr);
    typeField("Ind_A", "f6xyz");
    typeField("Prenom_A", "");
    typeField("Loc_A", "jn03tj");
    for (const char *name : {"Dpt_A", "Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A"})
        typeField(name, "");
    ASSERT_EQ(focusName(), "QRB_A");
    const QRect shown(c().QRB_A->mapTo(scroller->viewport(), QPoint()), c().QRB_A->size());
    EXPECT_TRUE(scroller->viewport()->rect().contains(shown)) << shown.x() << "+" << shown.width() << " in " << scroller->viewport()->width() << " scrolled "
        << scroller->horizontalScrollBar()->value() << "/" << scroller->horizontalScrollBar()->maximum() << " inner "
        << scroller->widget()->width();
}

} // namespace
