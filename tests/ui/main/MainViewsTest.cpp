#include "ui/MainFixture.h"

#include <QDir>
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
