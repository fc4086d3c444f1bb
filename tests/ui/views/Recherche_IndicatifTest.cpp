#include "ui/views/Recherche_Indicatif.h"

#include "platform/fake/FakePlatform.h"
#include "support/QsoLines.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTest>
#include <gtest/gtest.h>

using namespace pendrel;
using pendrel::test::Qso;
using pendrel::ui::Recherche_Indicatif;

namespace {

const QStringList kLines = test::listLines({
    /* 0 */ {.call = "F6ABC", .dpt = "75", .loc = "JN18GU", .date = "05/01/08"},
    /* 1 */ {.call = "F5XYZ", .dpt = "2A", .loc = "IN97QX", .date = "06/01/08"},
    /* 2 */ {.call = "F5XYZ", .dpt = "2A", .loc = "IN97QX", .date = "06/01/08"},
    /* 3 */ {.call = "F1AAA/P", .dpt = "13", .loc = "JN18AB", .date = "05/01/08"},
});

struct SearchWindowTest : ::testing::Test {
    QStringListModel model{kLines};
    FakeDialogs dialogs;
    QList<int> selected;
    std::unique_ptr<Recherche_Indicatif> window;

    void SetUp() override
    {
        window = std::make_unique<Recherche_Indicatif>(model, [this](int row) { selected.append(row); }, dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T> T *child(const char *name) const
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit *box(const char *name) const { return child<QLineEdit>(name); }
    void type(const char *name, const QString &text) const { QTest::keyClicks(box(name), text); }
    void enter(const char *name) const { QTest::keyClick(box(name), Qt::Key_Return); }
    int checkedOption() const
    {
        for (int i = 1; i <= 4; ++i)
            if (child<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(i)))->isChecked())
                return i;
        return 0;
    }
    QStringList found() const
    {
        QStringList out;
        auto *list = child<QListWidget>("QSO_Effectues");
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }
    void doubleClickFound(int index) const
    {
        auto *list = child<QListWidget>("QSO_Effectues");
        const QPoint at = list->visualItemRect(list->item(index)).center();
        // A double-click acts on the item pressed first, as with a real mouse.
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
};

} // namespace

TEST_F(SearchWindowTest, OpensOnTheCallsignKey)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rechercher un QSO"));
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral("Rechercher un QSO par ..."));
    const QStringList captions = {"Indicatif", "Date", "Dpt", "Locator"};
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(child<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(i)))->text(), captions[i - 1]);
    EXPECT_EQ(checkedOption(), 1);
    EXPECT_EQ(window->focusWidget(), box("Indica"));
    EXPECT_EQ(child<QListWidget>("QSO_Effectues")->toolTip(), QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    EXPECT_EQ(child<QPushButton>("Command1")->text(), QStringLiteral("Quitter"));
}

TEST_F(SearchWindowTest, ClicksSelectKeysAndBoxes)
{
    const char *boxes[] = {"Indica", "Data", "Depa", "Loca"};
    for (int i : {2, 4, 3, 1}) {
        QTest::mouseClick(box(boxes[i - 1]), Qt::LeftButton);
        EXPECT_EQ(checkedOption(), i) << boxes[i - 1];
    }
    for (int i : {3, 2, 4, 1}) {
        QTest::mouseClick(child<QRadioButton>(qPrintable(QStringLiteral("Option1_%1").arg(i))), Qt::LeftButton);
        EXPECT_EQ(checkedOption(), i);
        EXPECT_EQ(window->focusWidget(), box(boxes[i - 1]));
    }
}

TEST_F(SearchWindowTest, LettersTurnUpperCaseExceptInTheDate)
{
    type("Indica", "f5/p");
    type("Depa", "2a");
    type("Loca", "jn18");
    type("Data", "ab");
    EXPECT_EQ(box("Indica")->text(), QStringLiteral("F5/P"));
    EXPECT_EQ(box("Depa")->text(), QStringLiteral("2A"));
    EXPECT_EQ(box("Loca")->text(), QStringLiteral("JN18"));
    EXPECT_EQ(box("Data")->text(), QStringLiteral("ab"));
}

TEST_F(SearchWindowTest, EnterSearchesByTheSelectedKey)
{
    QTest::mouseClick(box("Loca"), Qt::LeftButton);
    type("Loca", "jn18");
    type("Indica", "ZZ"); // typed without a click: the key stays Locator
    enter("Indica");
    EXPECT_EQ(found(), (QStringList{kLines[0], kLines[3]}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    for (const char *name : {"Indica", "Data", "Depa", "Loca"})
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;

    QTest::mouseClick(box("Indica"), Qt::LeftButton);
    type("Indica", "/p");
    enter("Indica");
    EXPECT_EQ(found(), QStringList{kLines[3]});
}

TEST_F(SearchWindowTest, EveryMessageOfTheBoxesAndTheSearch)
{
    struct Case {
        const char *click, *box;
        QString typed, message, left; // `left`: the text the box keeps
    };
    const Case cases[] = {
        {"Indica", "Indica", "F6ABCDEFGHIJK", "12 caracteres maxi pour l'indicatif", "F6ABCDEFGHIJK"},
        {"Indica", "Indica", "", "Entrez un indicatif", ""},
        {"Data", "Data", "5/01/08", "Le format de la date doit etre JJ/MM/AA", "5/01/08"},
        {"Data", "Data", "05/01/2008", "8 caracteres maxi pour la Date", "05/01/2008"},
        {"Depa", "Depa", "2A1", "2 caracteres maxi pour le département", "2A1"},
        {"Depa", "Depa", "", "Entrez un département", ""},
        {"Loca", "Loca", "JN18GUX", "6 caracteres maxi pour le locator", "JN18GUX"},
        {"Loca", "Loca", "", "Entrez un locator", ""},
        {"Data", "Indica", "F6", "Entrez une date", "F6"},
        {"Depa", "Indica", "F6", "Entrez un departement", "F6"},
        {"Loca", "Indica", "F6", "Entrez un locator", "F6"},
        {"Data", "Data", "05/1/08", "Pas de QSO trouvé", ""},
        {"Depa", "Depa", "7", "Pas de QSO trouvé", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.message));
        for (const char *name : {"Indica", "Data", "Depa", "Loca"})
            box(name)->clear();
        dialogs.messages.clear();
        QTest::mouseClick(box(c.click), Qt::LeftButton);
        type(c.box, c.typed);
        enter(c.box);
        EXPECT_EQ(dialogs.messages, QStringList{c.message});
        EXPECT_EQ(box(c.box)->text(), c.left);
    }
}

TEST_F(SearchWindowTest, DoubleClickSelectsTheRowOfTheChosenTwin)
{
    type("Indica", "F5XYZ");
    enter("Indica");
    ASSERT_EQ(found(), (QStringList{kLines[1], kLines[2]}));
    doubleClickFound(1);
    EXPECT_EQ(selected, QList<int>{2});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SearchWindowTest, ReorderedListSelectsNothingButStillCloses)
{
    type("Indica", "F6ABC");
    enter("Indica");
    ASSERT_EQ(found(), QStringList{kLines[0]});
    // The main list was sorted again: row 1 now holds another QSO.
    model.setStringList({kLines[1].left(5) + kLines[0].mid(5), kLines[0].left(5) + kLines[1].mid(5)});
    doubleClickFound(0);
    EXPECT_TRUE(selected.isEmpty());
    EXPECT_FALSE(window->isVisible());
}

TEST(SearchWindowOpening, OneWindowAndTheButtonLightGreenWhileOpen)
{
    QWidget main;
    auto *rechercher = new QPushButton(QStringLiteral("Rechercher un QSO"), &main);
    rechercher->setObjectName(QStringLiteral("Rechercher"));
    rechercher->resize(200, 40);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    // The style shades the face from the light green (192, 255, 192) set on it.
    auto greenShare = [&] {
        const QImage image = rechercher->grab().toImage();
        int green = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                green += c.green() - c.red() > 15 && c.green() - c.blue() > 15;
            }
        return double(green) / (image.width() * image.height());
    };
    EXPECT_LT(greenShare(), 0.1);

    QStringListModel model{kLines};
    FakeDialogs dialogs;
    QPointer<Recherche_Indicatif> window = ui::openSearchWindow(rechercher, model, [](int) {}, dialogs);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_GT(greenShare(), 0.5);
    EXPECT_EQ(ui::openSearchWindow(rechercher, model, [](int) {}, dialogs), window.data());

    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()); // unloaded: the next opening starts afresh
    EXPECT_LT(greenShare(), 0.1);
    QPointer<Recherche_Indicatif> again = ui::openSearchWindow(rechercher, model, [](int) {}, dialogs);
    EXPECT_GT(greenShare(), 0.5);
    again->close();
}
