#include "ui/MainFixture.h"
#include "ui/views/Statistiques.h"

#include <QAbstractBarSeries>
#include <QAction>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QListWidget>
#include <QTest>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class MainViews : public MainFixture {
protected:
    void SetUp() override
    {
        setIdentity("F1AAA", "JN18GU");
        setCallsignSetting("F1AAA", "Pwr Fixe", "5");
        writeLog("F1AAA_QRP.log", {withQrb("F6ZZZ", "1200"), withQrb("F5AAA", "95"), withQrb("F4MMM", "")});
        fileBefore = folder.read("F1AAA_QRP.log");
        startMain();
    }
    static QString withQrb(const QString &call, const QString &qrb)
    {
        QsoRecord r = QsoRecord::fromRecordLine(qso(call));
        r.QRB = qrb;
        return r.recordLine();
    }
    QStringList callsigns()
    {
        QStringList calls;
        for (const QString &line : logLines())
            calls << line.mid(7, 12).trimmed();
        return calls;
    }
    QByteArray fileBefore;
};

TEST_F(MainViews, SortButtonsReorderTheListOnlyAndDateRestoresTheFile)
{
    const struct {
        const char *button;
        QStringList order;
    } cases[] = {
        {"Tri_Ind", {"F4MMM", "F5AAA", "F6ZZZ"}},
        {"Tri_QRB", {"F4MMM", "F5AAA", "F6ZZZ"}}, // empty, 95, 1200: numeric order
        {"Tri_Date", {"F6ZZZ", "F5AAA", "F4MMM"}},
    };
    for (const auto &t : cases) {
        QTest::mouseClick(child<QPushButton>(main.get(), t.button), Qt::LeftButton);
        EXPECT_EQ(callsigns(), t.order) << t.button;
        EXPECT_EQ(logLines().first().left(5), "    1") << t.button;
        EXPECT_EQ(logLines().last().left(5), "    3") << t.button;
        EXPECT_EQ(folder.read("F1AAA_QRP.log"), fileBefore) << t.button;
    }
    EXPECT_EQ(c().Total_P->text(), "3");
}

TEST_F(MainViews, AfterASortTheSelectedQsoStaysSelected)
{
    ASSERT_TRUE(c().Liste_Orvil->currentIndex().isValid());
    const QString callsign = c().Liste_Orvil->currentIndex().data().toString().mid(7, 12);
    QTest::mouseClick(c().Tri_KmW, Qt::LeftButton);
    ASSERT_TRUE(c().Liste_Orvil->selectionModel()->hasSelection());
    EXPECT_EQ(c().Liste_Orvil->currentIndex().data().toString().mid(7, 12), callsign);
}

TEST_F(MainViews, SearchSelectsTheFoundRowInTheMainList)
{
    QTest::mouseClick(c().Rechercher, Qt::LeftButton);
    auto *search = main->findChild<QWidget *>("Recherche_Indicatif");
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(c().Rechercher->palette().color(QPalette::Button), QColor(192, 255, 192));
    auto *box = child<QLineEdit>(search, "Indica");
    box->setFocus();
    QTest::keyClicks(box, "F5");
    QTest::keyClick(box, Qt::Key_Return);
    auto *found = child<QListWidget>(search, "QSO_Effectues");
    ASSERT_EQ(found->count(), 1);
    const QPoint at = found->visualItemRect(found->item(0)).center();
    QTest::mousePress(found->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(found->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(c().Liste_Orvil->currentIndex().row(), 1);
    EXPECT_EQ(main->state().SelectedLogLine, logLines()[1]);
}

TEST_F(MainViews, ReportMenusSaveAndPrint)
{
    child<QAction>(main.get(), "Mnu_Enr_Contacte")->trigger();
    const QString name = QStringLiteral("QRP_Contacte_F1AAA_%1.txt").arg(clock.nowLocal().toString("dd_MM_yy"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    // The name, then the folder on a line of its own.
    EXPECT_EQ(dialogs.messages[0], "Le log a été enregistré sous le nom : " + name +
                                       "\r\n\r\ndans le dossier :\r\n" + QDir::toNativeSeparators(folder.dir()));
    EXPECT_TRUE(folder.exists(name));

    child<QAction>(main.get(), "Mnu_Imp_Contacte")->trigger();
    EXPECT_EQ(printer.dialogs, 1);
    QStringList printed;
    for (const PrintStep &step : printer.steps)
        if (step.kind == PrintStep::Kind::Line)
            printed << step.text;
    EXPECT_EQ(printed.filter("F6ZZZ").size(), 1);
    EXPECT_EQ(dialogs.messages.size(), 1); // printing says nothing when it succeeds
}

} // namespace

// The statistics window: opened from the Carte menu, its five charts named,
// following the log as the list does, and a chart saved as PNG from its
// context menu, its bars drawn in their colour.
TEST_F(MainViews, StatisticsFollowTheLogAndSaveAChart)
{
    main->findChild<QAction *>("Mnu_Statistiques")->trigger();
    auto *window = main->findChild<ui::Statistiques *>("Statistiques");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    for (const char *name : {"Graphe_Mois", "Graphe_Points", "Graphe_KmW", "Graphe_Modes", "Graphe_QRB"})
        ASSERT_NE(window->findChild<QChartView *>(name), nullptr) << name;
    auto *months = window->findChild<QChartView *>("Graphe_Mois");
    const auto counted = [months] {
        double sum = 0;
        for (QAbstractSeries *series : months->chart()->series())
            for (QBarSet *set : static_cast<QAbstractBarSeries *>(series)->barSets())
                sum += set->sum();
        return sum;
    };
    EXPECT_EQ(months->chart()->title(), "QSO par mois, par bande");
    EXPECT_EQ(counted(), 3);
    ASSERT_TRUE(main->appendQso(qso("F9NEW")).ok);
    QApplication::processEvents();
    EXPECT_EQ(counted(), 4) << "the window follows the log";

    QTemporaryDir dir;
    const QString path = dir.filePath("mois.png");
    dialogs.files = {path};
    months->resize(600, 400);
    months->actions().first()->trigger();
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << dialogs.messages.join('|').toStdString();
    const QRgb bar = static_cast<QAbstractBarSeries *>(months->chart()->series().first())->barSets().first()->color().rgb();
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y)
        for (int x = 0; x < image.width() && !found; ++x)
            found = image.pixel(x, y) == bar;
    EXPECT_TRUE(found) << "a bar of the chart in the saved image";
}
