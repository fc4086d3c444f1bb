// The main window's wiring to the backups and the journal of changes (their
// rules are tested in core): a backup at start-up, Ctrl+Z, a restore.
#include "core/backup/Backups.h"
#include "ui/EntryLineFixture.h"
#include "ui/main/BackupDialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QTest>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class MainBackups : public EntryLineFixture {
protected:
    QList<BackupInfo> backups() const { return Backups(folder.dir(), {}).list(); }
    QAction *action(const char *name) { return main->findChild<QAction *>(name); }
};

TEST_F(MainBackups, StartingMakesABackupOnlyWhenSomethingChanged)
{
    startStation({qso("F1X")});
    ASSERT_EQ(backups().size(), 1);
    EXPECT_EQ(backups().first().reason, "démarrage");
    main.reset();
    startMain();
    EXPECT_EQ(backups().size(), 1);
}

TEST_F(MainBackups, CtrlZUndoesTheLastQsoAndTheSettingsItMoved)
{
    startStation({qso("F1X")});
    const QByteArray before = folder.read("F1AAA_QRP.log");
    setCallsignSetting("F1AAA", "Bonus", "3");
    ASSERT_TRUE(main->appendQso(qso("F7NEW")).ok);
    setCallsignSetting("F1AAA", "Bonus", "4");
    setCallsignSetting("F1AAA", "Meilleur KmW_F", "True"); // absent before the QSO
    // The entry says what it would undo when the menu opens.
    auto *fichier = main->findChild<QMenu *>("Mnu_Fichier");
    emit fichier->aboutToShow();
    EXPECT_TRUE(action("Mnu_Annuler")->text().startsWith("&Annuler : ajout du QSO F7NEW du "))
        << action("Mnu_Annuler")->text().toStdString();
    QApplication::setActiveWindow(main.get());
    QTest::keyClick(main->findChild<QWidget *>("Liste_Orvil"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(folder.read("F1AAA_QRP.log"), before);
    EXPECT_EQ(logLines().size(), 1);
    EXPECT_EQ(settings.read("Setup F1AAA", "Bonus", {}), "3");
    EXPECT_EQ(main->state().OutingQsoCount, 3);
    EXPECT_FALSE(settings.contains("Setup F1AAA", "Meilleur KmW_F"));
    EXPECT_FALSE(c().Flag_Kmw->isVisible());
    emit fichier->aboutToShow();
    EXPECT_FALSE(action("Mnu_Annuler")->isEnabled());
}

TEST_F(MainBackups, ARestoreChosenInItsWindowShowsTheRestoredLog)
{
    startStation({qso("F1X"), qso("F2X")});
    const QByteArray backedUp = folder.read("F1AAA_QRP.log");
    ASSERT_TRUE(main->appendQso(qso("F7NEW")).ok);
    whenModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), "Restaurer_Sauvegarde");
        EXPECT_EQ(d->findChild<QListWidget *>("Liste_Sauvegardes")->count(), 1);
        d->accept();
    });
    action("Mnu_Restaurer")->trigger();
    EXPECT_EQ(folder.read("F1AAA_QRP.log"), backedUp);
    EXPECT_EQ(logLines().size(), 2);
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().startsWith("Sauvegarde ")) << dialogs.messages.last().toStdString();
    EXPECT_EQ(backups().first().reason.left(20), "avant restauration d");
}

} // namespace
