// Undo of the last changes of a log: byte for byte, refused when someone else
// changed the log since, safe when an undo was killed halfway.
#include "core/storage/ChangeJournal.h"

#include "support/FolderWriters.h"

#include <QDir>
#include <QRegularExpression>
#include <QThread>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace pendrel;
using namespace pendrel::test;

namespace {

QByteArray thousandQsos()
{
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << qso(QStringLiteral("F%1AA").arg(i % 10) + QString::number(i), QStringLiteral("%1:%2").arg(10 + i / 60).arg(i % 60, 2, 10, QLatin1Char('0')));
    // Hand-edited ends: an LF alone, and a last line without its line end.
    return encodeLines(lines).replace(500 * 138 - 2, 2, "\n").chopped(2);
}

UndoResult undo(const TempFolder &folder)
{
    return ChangeJournal(folder.dir()).undoLast(kFixed);
}

} // namespace

TEST(ChangeJournal, EachChangeUndoneInTurnGivesBackTheFileByteForByte)
{
    TempFolder folder;
    folder.write(kFixed, thousandQsos());
    folder.write("in.adi", kAdif + "<CALL:5>F5BDI <QSO_DATE:8>20080201 <TIME_ON:4>1300 <BAND:3>40m <EOR>\r\n");
    const LogStore store(folder.dir());
    const QString first = fileLines(folder, kFixed).first();
    const QList<std::pair<const char *, std::function<StoreResult()>>> changes = {
        {"import", [&] {
             const QList<Writer> all = writers(folder.path("in.adi"));
             return std::find_if(all.begin(), all.end(), [](const Writer &w) { return QByteArray(w.name) == "import"; })->run(folder.dir());
         }},
        {"delete", [&] { return store.DeleteQso(kCall, StationKind::Fixed, fileLines(folder, kFixed)[700], 701); }},
        {"edit", [&] { return store.ReplaceQso(kCall, StationKind::Fixed, qso("F9EDIT"), first, 1); }},
        {"insert", [&] { return store.InsertQsoByDate(kCall, StationKind::Fixed, qso("F9INS", "12:00")); }},
        {"append", [&] { return store.AppendQso(kCall, StationKind::Fixed, qso("F9APA")); }},
        {"append", [&] { return store.AppendQso(kCall, StationKind::Fixed, qso("F9APB")); }},
    };
    QList<QByteArray> before;
    for (const auto &[name, change] : changes) {
        SCOPED_TRACE(name);
        before.prepend(folder.read(kFixed));
        const StoreResult r = change();
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        ASSERT_NE(folder.read(kFixed), before.first());
    }
    const QList<JournalEntry> entries = ChangeJournal(folder.dir()).entries(kFixed);
    ASSERT_EQ(entries.size(), 6);
    EXPECT_EQ(entries.first().description, "ajout du QSO F9APB du 01/02/08 à 10:00");
    EXPECT_TRUE(entries[4].description.startsWith("suppression du QSO 701 (F")) << entries[4].description.toStdString();
    EXPECT_EQ(entries.last().description, "import de 2 QSO (in.adi)");
    // The first rewrite of a hand-edited log records the stretch whose line
    // ends it made CR LF; every other change holds its own lines only.
    for (const JournalEntry &e : entries.first(5))
        EXPECT_LT(e.removed.size() + e.addedSize, 2000) << "the journal holds the change, not the log";
    for (qsizetype i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        const UndoResult r = undo(folder);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_EQ(folder.read(kFixed), before[i]);
    }
    EXPECT_EQ(undo(folder).message, "Aucune modification du log F0ABC_QRP.log à annuler.");
}

TEST(ChangeJournal, AnUndoIsRefusedWhenTheLogChangedSince)
{
    const struct {
        const char *name;
        std::function<void(const TempFolder &)> meanwhile;
    } cases[] = {
        {"a QSO appended by pendrel-cli without the journal",
         [](const TempFolder &f) { f.write(kFixed, f.read(kFixed) + encodeLines({qso("F4OTH")})); }},
        {"a line retyped in an editor, same size",
         [](const TempFolder &f) { f.write(kFixed, f.read(kFixed).replace("F1NEW", "F1NEX")); }},
        {"the log emptied", [](const TempFolder &f) { f.write(kFixed, {}); }},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        TempFolder folder;
        prepare(folder);
        ASSERT_TRUE(LogStore(folder.dir()).AppendQso(kCall, StationKind::Fixed, qso("F1NEW")).ok);
        QThread::msleep(5); // a change within the same instant would keep the file's time
        k.meanwhile(folder);
        const QByteArray changed = folder.read(kFixed);
        const UndoResult r = undo(folder);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.contains("a été modifié depuis")) << r.message.toStdString();
        EXPECT_TRUE(r.message.contains("ajout du QSO F1NEW")) << r.message.toStdString();
        EXPECT_EQ(folder.read(kFixed), changed);
        EXPECT_EQ(ChangeJournal(folder.dir()).entries(kFixed).size(), 1);
    }
}

TEST(ChangeJournal, AnUndoKilledAfterRestoringTheLogIsFinishedByTheNext)
{
    TempFolder folder;
    prepare(folder);
    const QByteArray original = folder.read(kFixed);
    const LogStore store(folder.dir());
    ASSERT_TRUE(store.AppendQso(kCall, StationKind::Fixed, qso("F1ONE")).ok);
    const QByteArray afterOne = folder.read(kFixed);
    ASSERT_TRUE(store.DeleteQso(kCall, StationKind::Fixed, qso("F1AAA"), 1).ok);
    // The undo of the delete wrote the log back, then was killed before it dropped its entry.
    folder.write(kFixed, afterOne);
    const UndoResult finished = undo(folder);
    EXPECT_TRUE(finished.ok) << finished.message.toStdString();
    EXPECT_EQ(folder.read(kFixed), afterOne);
    EXPECT_TRUE(undo(folder).ok);
    EXPECT_EQ(folder.read(kFixed), original);
}

TEST(ChangeJournal, TheJournalKeepsItsLastChangesAndTheSettingsTheyMoved)
{
    TempFolder folder;
    prepare(folder);
    LogStore store(folder.dir());
    int counter = 1;
    store.setSettingsSnapshot([&counter] {
        return QList<SettingValue>{{"Setup F0ABC", "Bonus", QString::number(counter)}};
    });
    for (int i = 0; i < ChangeJournal::KeptEntries + 5; ++i, ++counter)
        ASSERT_TRUE(store.AppendQso(kCall, StationKind::Fixed, qso(QStringLiteral("F%1X").arg(i))).ok);
    const QList<JournalEntry> entries = ChangeJournal(folder.dir()).entries(kFixed);
    EXPECT_EQ(entries.size(), ChangeJournal::KeptEntries);
    EXPECT_EQ(QDir(folder.path(ChangeJournal::FolderName)).count(), uint(ChangeJournal::KeptEntries + 2));
    const UndoResult r = undo(folder);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.entry.settingsBefore, (QList<SettingValue>{{"Setup F0ABC", "Bonus", QString::number(counter - 1)}}));
    EXPECT_EQ(r.message, QStringLiteral("Annulé : ajout du QSO F%1X du 01/02/08 à 10:00.").arg(ChangeJournal::KeptEntries + 4));
}

// The entry keeps only the size and a fingerprint of what a change put in the
// log; an entry of the former version held those bytes themselves.
TEST(ChangeJournal, AnUndoComparesTheBytesTheChangeWroteWhateverTheEntrysForm)
{
    const struct {
        const char *name;
        bool formerEntry, editedInPlace;
    } cases[] = {
        {"entry of the former version", true, false},
        {"line retyped, size and time put back", false, true},
        {"former entry, line retyped, size and time put back", true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        prepare(folder);
        const QByteArray original = folder.read(kFixed);
        ASSERT_TRUE(LogStore(folder.dir()).AppendQso(kCall, StationKind::Fixed, qso("F1NEW")).ok);
        if (c.formerEntry) {
            const QString entry = ChangeJournal::FolderName + "/0000000001.chg";
            QString text = QString::fromLatin1(folder.read(entry)).replace("logfile ", "log ");
            text.replace(QRegularExpression("addedsize \\d+\naddedhash \\d+\n"),
                         "added " + encodeLines({qso("F1NEW")}).toBase64() + "\n");
            ASSERT_FALSE(text.contains("addedsize"));
            folder.write(entry, text.toLatin1());
        }
        if (c.editedInPlace) {
            struct stat before{};
            ASSERT_EQ(::stat(QFile::encodeName(folder.path(kFixed)).constData(), &before), 0);
            folder.write(kFixed, folder.read(kFixed).replace("F1NEW", "F1NEX"));
            const timespec times[2] = {before.st_atim, before.st_mtim};
            ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder.path(kFixed)).constData(), times, 0), 0);
        }
        const QByteArray now = folder.read(kFixed);
        const UndoResult r = undo(folder);
        EXPECT_EQ(r.ok, !c.editedInPlace) << r.message.toStdString();
        EXPECT_EQ(folder.read(kFixed), c.editedInPlace ? now : original);
    }
}
