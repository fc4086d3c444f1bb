#include "ui/main/FieldColours.h"
#include "ui/MainFixture.h"

#include <QAction>

using namespace pendrel;
using namespace pendrel::test;

namespace {

// F1AAA at JN18GU with two fixed and three portable QSOs.
class StationKindSwitch : public MainFixture {
protected:
    void SetUp() override
    {
        setIdentity("F1AAA", "JN18GU");
        writeLog("F1AAA_QRP.log", {qso("F1X"), qso("F2X")});
        writeLog("F1AAA_P_QRP.log", {qso("F3X", "10", "4"), qso("F4X", "10", "4"), qso("F5X", "10", "4", "10")});
        setCallsignSetting("F1AAA", "Pwr Fixe", "5");
        setCallsignSetting("F1AAA", "Pwr Portable", "2");
        setCallsignSetting("F1AAA", "Bonus", "4");
    }
    void expectKindLabels(bool fixed)
    {
        for (QWidget *w : QList<QWidget *>{c().Label2, c().I_Station, c().Label7, c().Label19, c().Label21})
            EXPECT_EQ(w->isEnabled(), fixed) << w->objectName().toStdString();
        for (QWidget *w : QList<QWidget *>{c().Label13, c().I_Station_P, c().Label15, c().Label18, c().Label20})
            EXPECT_EQ(w->isEnabled(), !fixed) << w->objectName().toStdString();
    }
};

TEST_F(StationKindSwitch, PortableThenFixedReloadTheirLogs)
{
    setCallsignSetting("F1AAA", "Locator Portable", "JN03TJ");
    setCallsignSetting("F1AAA", "Meilleur KmW_P", "True");
    startMain();
    expectKindLabels(true);
    EXPECT_FALSE(c().Flag_Kmw->isVisible());

    c().Option2->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(main->stationKind(), StationKind::Portable);
    expectKindLabels(false);
    EXPECT_TRUE(c().L_Station_P->isEnabled());
    EXPECT_TRUE(c().Pwr_P->isEnabled());
    EXPECT_EQ(logLines().size(), 3);
    EXPECT_EQ(c().Total_P->text(), "22");
    EXPECT_EQ(c().Frame3->title(), "QSO N° 4 depuis la station portable en JN03TJ");
    EXPECT_EQ(setting("Setup F1AAA", "Activite"), "True");
    EXPECT_TRUE(c().Flag_Kmw->isVisible());
    EXPECT_EQ(main->state().SelectedLogLine, logLines().last());
    EXPECT_EQ(main->ownLocator(), "JN03TJ");
    EXPECT_EQ(main->ownPower(), "2");

    c().Option1->click();
    EXPECT_EQ(main->stationKind(), StationKind::Fixed);
    expectKindLabels(true);
    EXPECT_EQ(logLines().size(), 2);
    EXPECT_EQ(c().Frame3->title(), "QSO N° 3 depuis la station fixe en JN18GU");
    EXPECT_EQ(setting("Setup F1AAA", "Activite"), "False");
    EXPECT_FALSE(c().Flag_Kmw->isVisible());
    EXPECT_EQ(main->ownLocator(), "JN18GU");
    EXPECT_EQ(main->ownPower(), "5");
}

TEST_F(StationKindSwitch, PortableWithoutLocatorOnlyHintsAndActionsStayOnTheFixedLog)
{
    // After the hint every action acts on the fixed log, which the list shows.
    const struct {
        const char *action;
        int fixedLines, portableLines;
        const char *frame;
    } cases[] = {
        {"none", 2, 3, "QSO N° 3 depuis la station fixe en JN18GU"},
        {"delete", 1, 3, "QSO N° 2 depuis la station fixe en JN18GU"},
        {"edit", 2, 3, "Edition du QSO N° 1"},
    };
    for (const auto &t : cases) {
        startMain();
        dialogs.messages.clear();
        c().Option2->click();
        EXPECT_EQ(dialogs.messages, QStringList{"Dans la barre de menu clickez sur 'Nouvelle sortie'"});
        EXPECT_TRUE(c().Option1->isChecked()) << t.action;
        EXPECT_FALSE(c().Option2->isChecked()) << t.action;
        EXPECT_EQ(main->stationKind(), StationKind::Fixed) << t.action;
        EXPECT_EQ(setting("Setup F1AAA", "Activite"), "<absent>");
        c().Liste_Orvil->setCurrentIndex(main->logModel()->index(0));
        if (t.action == std::string("delete")) {
            dialogs.answers = {true};
            c().Annule_Saisie->click();
        } else if (t.action == std::string("edit")) {
            c().Modi_Saisie->click();
            EXPECT_EQ(c().Ind_A->text(), "F1X");
        }
        EXPECT_EQ(logLines().size(), t.fixedLines) << t.action;
        EXPECT_EQ(logLines().value(0).mid(7, 3), t.fixedLines == 2 ? "F1X" : "F2X") << t.action;
        EXPECT_EQ(folder.read("F1AAA_QRP.log").count("\r\n"), t.fixedLines) << t.action;
        EXPECT_EQ(folder.read("F1AAA_P_QRP.log").count("\r\n"), t.portableLines) << t.action;
        EXPECT_EQ(c().Frame3->title(), QString::fromUtf8(t.frame)) << t.action;
        writeLog("F1AAA_QRP.log", {qso("F1X"), qso("F2X")});
    }
}

TEST_F(StationKindSwitch, NewOutingOpensThePortableLocator)
{
    const struct {
        const char *storedLocator;
        bool hintFirst; // the portable button was clicked before, with no locator
    } cases[] = {{"JN03TJ", false}, {"", false}, {"", true}};
    for (const auto &t : cases) {
        setCallsignSetting("F1AAA", "Locator Portable", t.storedLocator);
        setCallsignSetting("F1AAA", "Activite", "False");
        startMain();
        if (t.hintFirst)
            c().Option2->click();
        dialogs.messages.clear();
        c().mnu_sortie->trigger();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << t.storedLocator << dialogs.messages.join('|').toStdString();
        EXPECT_TRUE(c().Option2->isChecked());
        EXPECT_EQ(logLines().size(), 3) << t.storedLocator << t.hintFirst;
        EXPECT_EQ(setting("Setup F1AAA", "Activite"), "True");
        EXPECT_TRUE(c().L_Station_P->text().isEmpty());
        EXPECT_TRUE(c().Pwr_P->text().isEmpty());
        EXPECT_TRUE(c().L_Station_P->isEnabled());
        EXPECT_EQ(ui::fieldColour(c().L_Station_P), ui::CurrentColour);
        EXPECT_EQ(main->focusWidget(), c().L_Station_P);
    }
}

TEST_F(StationKindSwitch, DatingMenusAreExclusiveAndStored)
{
    startMain();
    c().Mnu_Date_Man->trigger();
    EXPECT_TRUE(c().Mnu_Date_Man->isChecked());
    EXPECT_FALSE(c().Mnu_Date_Auto->isChecked());
    EXPECT_FALSE(main->automaticDating());
    EXPECT_EQ(setting("Setup F1AAA", "Date Auto"), "Non");
    c().Mnu_Date_Man->trigger(); // choosing it again keeps it
    EXPECT_TRUE(c().Mnu_Date_Man->isChecked());
    c().Mnu_Date_Auto->trigger();
    EXPECT_TRUE(c().Mnu_Date_Auto->isChecked());
    EXPECT_FALSE(c().Mnu_Date_Man->isChecked());
    EXPECT_EQ(setting("Setup F1AAA", "Date Auto"), "Oui");

    startMain(); // a new run reads it back
    c().Mnu_Date_Man->trigger();
    startMain();
    EXPECT_FALSE(main->automaticDating());
}

TEST_F(StationKindSwitch, NextQsoLineOfThePortableShowsTheOutingCounter)
{
    const struct {
        qint16 count;
        const char *title;
    } cases[] = {{3, "QSO N° 3 depuis la station portable en JN03TJ"},
                 {0, "QSO N° 0 depuis la station portable en JN03TJ"},
                 {-1, "QSO N°-1 depuis la station portable en JN03TJ"}};
    setCallsignSetting("F1AAA", "Locator Portable", "JN03TJ");
    setCallsignSetting("F1AAA", "Activite", "True");
    startMain();
    for (const auto &t : cases) {
        main->state().OutingQsoCount = t.count;
        main->updateNextQsoLine();
        EXPECT_EQ(c().Frame3->title(), QString::fromUtf8(t.title));
    }
}

} // namespace
