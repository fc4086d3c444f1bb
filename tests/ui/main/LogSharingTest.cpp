// The log changed by another writer (a second window, pendrel-cli) while the
// window shows it, and one QSO of two identical lines edited or deleted.
#include "core/storage/DataFolderLock.h"
#include "core/storage/LogStore.h"
#include "ui/EntryLineFixture.h"

#include <QDeadlineTimer>
#include <QStatusBar>
#include <QTimer>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class LogSharing : public EntryLineFixture {
protected:
    void select(int row) { c().Liste_Orvil->setCurrentIndex(main->logModel()->index(row)); }
    // Another program's change to the log, through the same store.
    LogStore other() { return LogStore(folder.dir()); }
    // Lets the window's event loop run until `done` or a generous deadline.
    static bool waitFor(const std::function<bool()> &done)
    {
        QDeadlineTimer deadline(10000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return done();
    }
};

TEST_F(LogSharing, DeletingOneOfTwoIdenticalLinesKeepsTheOther)
{
    const QString a = qso("F1X", "10"), b = qso("F2X", "20");
    for (int row : {0, 2}) {
        SCOPED_TRACE(row);
        dialogs.answers = {true};
        startStation({a, b, a});
        select(row);
        c().Annule_Saisie->click();
        EXPECT_EQ(fileLines("F1AAA_QRP.log"), (row == 0 ? QStringList{b, a} : QStringList{a, b}));
        EXPECT_EQ(logLines().size(), 2);
        main.reset();
    }
}

TEST_F(LogSharing, EditingOneOfTwoIdenticalLinesKeepsTheOther)
{
    const QString a = qso("F1X", "10"), b = qso("F2X", "20");
    startStation({a, b, a});
    select(2);
    c().Modi_Saisie->click();
    for (const char *kept : {"Ind_A", "Prenom_A", "Loc_A", "Dpt_A", "Date_A"})
        typeField(kept, "");
    retypeField("Heure_A", "21:07");
    for (const char *kept : {"Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QRB_A", "Pts_A", "Boni_A"})
        typeField(kept, "");
    c().Valide_A->setFocus();
    validate();
    const QStringList lines = fileLines("F1AAA_QRP.log");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], a);
    EXPECT_EQ(lines[1], b);
    EXPECT_EQ(lines[2].mid(49, 5), "21:07");
}

TEST_F(LogSharing, TheListFollowsTheLogChangedByAnotherWriter)
{
    const QString a = qso("F1X", "10");
    const QString path = folder.path("F1AAA_QRP.log");
    const struct {
        const char *name;
        std::function<StoreResult(const LogStore &)> change;
        int rows;
        const char *status;
    } cases[] = {
        {"append", [](const LogStore &s) { return s.AppendQso("F1AAA", StationKind::Fixed, qso("F7APP", "70")); }, 3,
         "a été modifié par un autre programme"},
        {"rewrite", [](const LogStore &s) { return s.InsertQsoByDate("F1AAA", StationKind::Fixed, qso("F7INS")); }, 3,
         "a été modifié par un autre programme"},
        {"delete", [a](const LogStore &s) { return s.DeleteQso("F1AAA", StationKind::Fixed, a, 1); }, 1,
         "a été modifié par un autre programme"},
        {"emptied", [path](const LogStore &) { return StoreResult{FileWriter::standard().replaceFile(path, {}, nullptr), {}}; },
         0, "Le log F1AAA_QRP.log a été vidé par un autre programme"},
        {"removed", [path](const LogStore &) { return StoreResult{QFile::remove(path), {}}; }, 0,
         "Le log F1AAA_QRP.log n'est plus dans le dossier des données"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        startStation({a, qso("F2X", "20")});
        ASSERT_TRUE(k.change(other()).ok);
        EXPECT_TRUE(waitFor([&] { return logLines().size() == k.rows; }));
        EXPECT_TRUE(main->statusBar()->currentMessage().contains(k.status))
            << main->statusBar()->currentMessage().toStdString();
        EXPECT_EQ(main->state().SelectedLogLine, k.rows ? logLines().last() : QString());
        EXPECT_EQ(c().Frame3->title(), QStringLiteral("QSO N° %1 depuis la station fixe en JN18GU").arg(k.rows + 1));
        main.reset();
    }
}

TEST_F(LogSharing, EditOrDeleteAfterAnOutsideChangeShowsTheFileFirst)
{
    const QString a = qso("F1X", "10"), b = qso("F2X", "20"), c1 = qso("F3X", "30");
    for (const char *button : {"Annule_Saisie", "Modi_Saisie"}) {
        SCOPED_TRACE(button);
        dialogs.messages.clear();
        startStation({a, b});
        select(0);
        // Before the window had a chance to notice: the file now starts with another QSO.
        writeLog("F1AAA_QRP.log", {c1, a, b});
        main->findChild<QPushButton *>(button)->click();
        EXPECT_EQ(dialogs.messages, QStringList{LogStore::changedElsewhereMessage()});
        EXPECT_EQ(fileLines("F1AAA_QRP.log"), (QStringList{c1, a, b}));
        EXPECT_EQ(logLines().size(), 3);
        EXPECT_FALSE(main->state().EditMode);
        main.reset();
    }
}

TEST_F(LogSharing, TheWindowKeepsPaintingAndSaysSoWhileAWriteWaitsForTheFolder)
{
    startStation({qso("F1X", "10")});
    DataFolderLock::setWaitMilliseconds(600);
    const DataFolderLock otherWriter(folder.dir());
    QString shownMeanwhile;
    QTimer::singleShot(150, main.get(), [&] { shownMeanwhile = main->statusBar()->currentMessage(); });
    const StoreResult r = main->appendQso(qso("F7NEW", "50"));
    DataFolderLock::setWaitMilliseconds(5000);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(shownMeanwhile.contains("occupé par un autre programme")) << shownMeanwhile.toStdString();
    EXPECT_EQ(logLines().size(), 1);
}

} // namespace
