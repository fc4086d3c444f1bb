#include "ui/main/FieldColours.h"
#include "ui/MainFixture.h"
#include "ui/StationDriver.h"

#include <QAction>
#include <QComboBox>

using namespace pendrel;
using namespace pendrel::test;

namespace {

// A started main window of F1AAA at JN18GU, with the station dialog opened
// from "Nouvel Indicatif".
class StationDialog : public MainFixture {
protected:
    void SetUp() override
    {
        setIdentity("F1AAA", "JN18GU");
        writeLog("F1AAA_QRP.log", {qso("F5OLD")});
        writeLog("F1AAA_P_QRP.log", {});
        startMain();
    }
    StationDriver open()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // windows closed before
        c().Mnu_New_Indicatif->trigger();
        auto *dialog = main->findChild<QDialog *>("Station");
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog && dialog->isVisible() && !dialog->isModal());
        return StationDriver{dialog};
    }
};

TEST_F(StationDialog, RefusedIdentityShowsItsMessageAndChangesNothing)
{
    const struct {
        const char *callsign, *locator, *message;
    } cases[] = {
        {"", "JN18GU", "Vous devez entrer un indicatif"},
        {"F0ABCDEFGHIJK", "JN18GU", "12 caracteres maximum pour l'indicatif"},
        {"F0-AB", "JN18GU", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"F0.AB", "JN18GU", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"F0/AB", "JN18GU", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"F0ABC", "", "Vous devez entrer un locator"},
        {"F0ABC", "JN18G", "Le locator doit comporter 6 caracteres"},
        {"F0ABC", "JN18GUX", "Le locator doit comporter 6 caracteres"},
        {"F0ABC", "JN18G5", "Erreur dans la saisie du locator"},
        {"F0ABC", "1N18GU", "Erreur dans la saisie du locator"},
        {"F0ABC", "JNX8GU", "Erreur dans la saisie du locator"},
        {"F0ABC", "ZZ99ZZ", "Erreur dans la saisie du locator"}, // no such place
        // Checked as typed: a case mapping must not turn these into letters.
        {"f0ß", "JN18GU", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"ﬀ1abc", "JN18GU", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"f0ı", "JN18GU", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"f0abcdefghiß", "JN18GU", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"F0ABC", "jn18ﬀ", "Le locator doit comporter 6 caracteres"},
        {"F0ABC", "jn18gı", "Erreur dans la saisie du locator"},
        {"F0ABC", "ǆn18gu", "Erreur dans la saisie du locator"},
    };
    for (const auto &t : cases) {
        dialogs.messages.clear();
        StationDriver station = open();
        station.set(QString::fromUtf8(t.callsign), QString::fromUtf8(t.locator));
        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(t.message)}) << t.callsign << " " << t.locator;
        EXPECT_TRUE(station.dialog->isVisible()) << t.callsign;
        // The refused field keeps its text, selected, and takes the focus.
        QLineEdit *refused = QString::fromUtf8(t.message).contains("locator") ? station.locator() : station.indicatif();
        EXPECT_EQ(refused->text(), QString::fromUtf8(refused == station.locator() ? t.locator : t.callsign));
        EXPECT_EQ(station.dialog->focusWidget(), refused) << t.callsign << " " << t.locator;
        EXPECT_EQ(refused->selectedText(), refused->text());
        // The program goes on with the callsign it had.
        EXPECT_EQ(main->state().StationCallsign, "F1AAA") << t.callsign;
        EXPECT_EQ(setting("Setup ", "Indicatif Station"), "F1AAA");
        EXPECT_EQ(setting("Setup ", "Locator Station"), "JN18GU");
        EXPECT_EQ(c().L_Station->text(), "JN18GU");
        EXPECT_FALSE(folder.exists("F0ABC_QRP.log"));
        EXPECT_EQ(logLines().size(), 1);
        station.indicatif()->setText("X");
        station.locator()->setText("X");
        station.dialog->close();
    }
}

TEST_F(StationDialog, TypedNewCallsignCreatesItsLogsAndShowsSlashes)
{
    StationDriver station = open();
    QTest::keyClicks(station.indicatif(), "f0abc/p");
    EXPECT_EQ(station.indicatif()->text(), "F0ABC_P");
    EXPECT_FALSE(station.locator()->isEnabled());
    QTest::keyClick(station.indicatif(), Qt::Key_Return);
    EXPECT_EQ(ui::fieldColour(station.indicatif()), ui::DoneColour);
    EXPECT_EQ(ui::fieldColour(station.locator()), ui::CurrentColour);
    EXPECT_TRUE(station.locator()->isEnabled());
    EXPECT_EQ(station.dialog->focusWidget(), station.locator());
    QTest::keyClicks(station.locator(), "jn03tj");
    EXPECT_EQ(station.locator()->text(), "JN03TJ");
    QTest::keyClick(station.locator(), Qt::Key_Return);
    EXPECT_EQ(ui::fieldColour(station.locator()), ui::DoneColour);
    EXPECT_EQ(station.dialog->focusWidget(), station.validation());
    EXPECT_TRUE(station.dialog->isVisible()); // Enter only moves on
    station.validation()->click();

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main->findChild<QDialog *>("Station"), nullptr); // closed and unloaded
    EXPECT_EQ(main->state().StationCallsign, "F0ABC_P");
    EXPECT_TRUE(folder.exists("F0ABC_P_QRP.log"));
    EXPECT_TRUE(folder.exists("F0ABC_P_P_QRP.log"));
    EXPECT_EQ(setting("Setup ", "Indicatif Station"), "F0ABC_P");
    EXPECT_EQ(setting("Setup ", "Locator Station"), "JN03TJ");
    EXPECT_EQ(setting("Setup F0ABC_P", "bande Utilisee"), "0");
    EXPECT_EQ(setting("Setup F0ABC_P", "Mode Utilise"), "0");
    EXPECT_EQ(c().I_Station->text(), "F0ABC/P");
    EXPECT_EQ(c().I_Station_P->text(), "F0ABC/P/P");
    EXPECT_EQ(c().L_Station->text(), "JN03TJ");
    EXPECT_EQ(c().Bande_A->currentText(), "1.8 Mhz");
    EXPECT_EQ(c().Mode_A->currentText(), "SSB");
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_EQ(c().Frame3->title(), "QSO N° 1 depuis la station fixe en JN03TJ");
    // The callsign that was there keeps its files.
    EXPECT_TRUE(folder.exists("F1AAA_QRP.log"));
}

TEST_F(StationDialog, KnownCallsignKeepsItsLogAndFindsItsBandAndMode)
{
    const QByteArray before = (qso("F6A") + "\r\n" + qso("F6B") + "\r\n" + qso("F6C") + "\r\n").toLatin1();
    folder.write("F2BBB_QRP.log", before);
    setCallsignSetting("F2BBB", "bande Utilisee", "10");
    setCallsignSetting("F2BBB", "Mode Utilise", "1");
    open().type("f2bbb", "jn03tj");

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    EXPECT_EQ(folder.read("F2BBB_QRP.log"), before);
    EXPECT_FALSE(folder.exists("F2BBB_P_QRP.log")); // only a new callsign gets its files
    EXPECT_EQ(logLines().size(), 3);
    EXPECT_EQ(setting("Setup F2BBB", "bande Utilisee"), "10");
    EXPECT_EQ(c().Bande_A->currentText(), "144 Mhz");
    EXPECT_EQ(c().Mode_A->currentText(), "CW");
    EXPECT_EQ(setting("Setup ", "Indicatif Station"), "F2BBB");
    EXPECT_EQ(c().Frame3->title(), "QSO N° 4 depuis la station fixe en JN03TJ");
}

TEST_F(StationDialog, NewCallsignKeepsAnExistingPortableLog)
{
    const QByteArray portable = (qso("F6P") + "\r\n").toLatin1();
    folder.write("F3CCC_P_QRP.log", portable);
    open().type("F3CCC", "JN18GU");
    EXPECT_TRUE(folder.exists("F3CCC_QRP.log"));
    EXPECT_EQ(folder.read("F3CCC_P_QRP.log"), portable);
}

TEST_F(StationDialog, TwelveCharactersAndTheLastLocatorOfTheWorldPass)
{
    open().set("F0ABCDEFGHIJ", "RR99XX");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    EXPECT_EQ(main->state().StationCallsign, "F0ABCDEFGHIJ");
    EXPECT_EQ(c().L_Station->text(), "RR99XX");
}

// At the first set-up there is no callsign to go back to: closing needs both
// fields. (Once a callsign exists the dialog closes freely: MainWindowUse.)
TEST_F(StationDialog, FirstRunCloseNeedsBothFields)
{
    setIdentity("FXXXX", "JN18GU");
    const struct {
        const char *callsign, *locator;
        bool closes;
    } cases[] = {{"", "", false}, {"F0ABC", "", false}, {"", "JN18GU", false}, {"F0ABC", "JN", true}};
    for (const auto &t : cases) {
        dialogs.messages.clear();
        StationDriver station = open();
        station.indicatif()->setText(t.callsign);
        station.locator()->setText(t.locator);
        QPointer<QDialog> dialog = station.dialog;
        dialog->close();
        if (dialog)
            QTest::keyClick(dialog, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(dialog.isNull(), t.closes) << t.callsign << "/" << t.locator;
        const QStringList refused(2, "Vous devez entrer votre indicatif et votre locator");
        EXPECT_EQ(dialogs.messages, t.closes ? QStringList() : refused) << t.callsign << "/" << t.locator;
        EXPECT_EQ(main->state().StationCallsign, "FXXXX");
        if (dialog) {
            station.indicatif()->setText("X");
            station.locator()->setText("X");
            dialog->close();
        }
    }
}

TEST_F(StationDialog, FirstRunQuitEndsTheProgramAndWritesNothing)
{
    setIdentity("FXXXX", "JN18GU");
    StationDriver station = open();
    EXPECT_FALSE(station.dialog->findChild<QPushButton *>("Annuler")->isVisible());
    station.indicatif()->setText("F0ABC");
    station.dialog->findChild<QPushButton *>("Quitter")->click();
    EXPECT_EQ(endedWith, QList<int>{0});
    EXPECT_EQ(setting("Setup ", "Indicatif Station"), "FXXXX");
    EXPECT_FALSE(folder.exists("F0ABC_QRP.log"));
}

TEST_F(StationDialog, LogFilesThatCannotBeMadeLeaveEverythingAsItWas)
{
    main.reset();
    platform.dataFolder = folder.path("absent/folder");
    // The window starts on a folder that lacks its logs: answer the recovery
    // dialog by closing it, as the operator may.
    whenModal([](QDialog *d) { d->reject(); });
    startMain();
    dialogs.messages.clear();
    StationDriver station = open();
    station.set("F0ABC", "JN18GU");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Impossible de créer le fichier F0ABC_QRP.log")) << dialogs.messages[0].toStdString();
    EXPECT_TRUE(station.dialog->isVisible());
    EXPECT_EQ(main->state().StationCallsign, "F1AAA");
    EXPECT_EQ(setting("Setup ", "Indicatif Station"), "F1AAA");
    station.dialog->close();
}

} // namespace
