// Writers of the data folder: the lock, one line acted on by position, the
// file's permissions kept, and French reasons for system errors.
#include "core/adif/AdifImport.h"
#include "core/storage/Cp1252.h"
#include "core/storage/DataFolderLock.h"
#include "core/storage/FirstNameDirectory.h"
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/SystemError.h"

#include "support/FolderWriters.h"

#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <unistd.h>

using namespace pendrel;

using namespace pendrel::test;


TEST(DataFolderLock, AWriterThatCannotGetTheLockChangesNothingAndSaysSo)
{
    const ShortWait wait(200);
    for (qsizetype i = 0; i < writers(QString()).size(); ++i) {
        TempFolder folder;
        prepare(folder);
        const Writer op = writers(folder.path("in.adi"))[i];
        SCOPED_TRACE(op.name);
        const QByteArray before = folder.read(op.file);
        // Another writer holds the folder, as another process would.
        QLockFile other(folder.path(DataFolderLock::FileName));
        ASSERT_TRUE(other.tryLock(0));
        const StoreResult r = op.run(folder.dir());
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.contains("occupé par un autre programme")) << r.message.toStdString();
        EXPECT_TRUE(r.message.contains("rien n'a été modifié") || r.message.contains("n'ont pas été créés"))
            << r.message.toStdString();
        EXPECT_EQ(folder.read(op.file), before);
        // Once it is released, the same change goes through.
        other.unlock();
        const StoreResult again = op.run(folder.dir());
        EXPECT_TRUE(again.ok) << again.message.toStdString();
        EXPECT_NE(folder.read(op.file), before);
        EXPECT_FALSE(folder.exists(DataFolderLock::FileName));
    }
}

TEST(DataFolderLock, ALockLeftByADeadProcessIsTakenOver)
{
    const ShortWait wait(1000);
    TempFolder folder;
    prepare(folder);
    // A lock file exactly as a writer leaves it when it is killed: the
    // number of a process that no longer runs.
    const qint64 deadPid = deadProcessNumber();
    ASSERT_GT(deadPid, 0);
    {
        QLockFile mine(folder.path(DataFolderLock::FileName));
        ASSERT_TRUE(mine.tryLock(0));
        QByteArray content = folder.read(DataFolderLock::FileName);
        content.replace(0, content.indexOf('\n'), QByteArray::number(deadPid));
        mine.unlock();
        folder.write(DataFolderLock::FileName, content);
    }
    ASSERT_TRUE(folder.exists(DataFolderLock::FileName));
    const StoreResult r = LogStore(folder.dir()).DeleteQso(kCall, StationKind::Fixed, qso("F1AAA"), 1);
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(fileLines(folder, kFixed), QStringList{qso("F1BBB")});
}

TEST(DataFolderLock, QsosAddedWhileAnImportReadsItsFileStay)
{
    const struct {
        const char *what;
        int added;
    } cases[] = {
        {"the window logs a QSO", 1},
        // More than the room the import keeps for them in front of its block.
        {"another program adds 600 QSOs", 600},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        folder.write(kFixed, encodeLines({qso("F1AAA")}));
        folder.write("in.adi", kAdif + kAdif);
        adif::ImportRequest request;
        request.dataFolder = folder.dir();
        request.callsign = kCall;
        request.ownLocator = "JN18GU";
        request.power = "5";
        request.today = QDate(2026, 3, 15);
        request.adifPath = folder.path("in.adi");
        QStringList live;
        for (int i = 0; i < c.added; ++i)
            live << qso(QStringLiteral("F4L%1").arg(i), "09:00"); // before the imported QSOs
        bool added = false;
        const adif::ImportResult r = adif::importFile(request, [&](qint64, qint64) {
            if (!added && c.added == 1)
                added = LogStore(folder.dir()).AppendQso(kCall, StationKind::Fixed, live.first()).ok;
            else if (!added)
                added = (folder.write(kFixed, folder.read(kFixed) + encodeLines(live)), true);
            return true;
        });
        ASSERT_TRUE(added);
        ASSERT_TRUE(r.ok) << r.messages.join('\n').toStdString();
        const QStringList lines = fileLines(folder, kFixed);
        EXPECT_EQ(lines.first(c.added + 1), QStringList{qso("F1AAA")} + live);
        EXPECT_EQ(lines.sliced(c.added + 1).filter("F5ADI").size(), 2);
        EXPECT_EQ(lines.size(), c.added + 3);
    }
}

TEST(LogStore, ReplaceAndDeleteActOnTheSelectedLineOnly)
{
    const QString a = qso("F1AAA"), b = qso("F1BBB"), c = qso("F1CCC"), n = qso("F1NEW");
    struct Case {
        const char *name;
        QStringList before;
        QString line;
        int number;
        QStringList deleted;  // after DeleteQso
        QStringList replaced; // after ReplaceQso with n
    };
    const Case cases[] = {
        {"second of two identical", {a, b, a}, a, 3, {a, b}, {a, b, n}},
        {"first of two identical", {a, b, a}, a, 1, {b, a}, {n, b, a}},
        {"no number: the first", {a, b, a}, a, 0, {b, a}, {n, b, a}},
        // The file changed since the list was read: the identical line nearest the number.
        {"line moved down by an insert", {c, a, b, a}, a, 1, {c, b, a}, {c, n, b, a}},
        {"number past the end", {a, b, a}, a, 7, {a, b}, {a, b, n}},
        {"blank lines are not numbered", {a, "", b, a}, a, 3, {a, "", b}, {a, "", b, n}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        TempFolder folder;
        folder.write(kFixed, encodeLines(k.before));
        EXPECT_TRUE(LogStore(folder.dir()).DeleteQso(kCall, StationKind::Fixed, k.line, k.number).ok);
        EXPECT_EQ(fileLines(folder, kFixed), k.deleted);
        folder.write(kFixed, encodeLines(k.before));
        EXPECT_TRUE(LogStore(folder.dir()).ReplaceQso(kCall, StationKind::Fixed, n, k.line, k.number).ok);
        EXPECT_EQ(fileLines(folder, kFixed), k.replaced);
    }
}

TEST(LogStore, DeletingAQsoThatIsNoLongerInTheLogIsRefusedInFrench)
{
    TempFolder folder;
    const QByteArray before = encodeLines({qso("F1AAA"), qso("F1BBB")});
    folder.write(kFixed, before);
    const StoreResult r = LogStore(folder.dir()).DeleteQso(kCall, StationKind::Fixed, qso("F1GONE"), 2);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Ce QSO n'est plus dans le log F0ABC_QRP.log (un autre programme l'a modifié) : "
                         "rien n'a été supprimé.");
    EXPECT_EQ(folder.read(kFixed), before);
}

TEST(LogStore, ListLineNumberIsTheQsoNumber)
{
    const QString line = QsoRecord::fromRecordLine(qso("F1AAA")).listLine(1234);
    EXPECT_EQ(LogStore::listLineNumber(line), 1234);
    EXPECT_EQ(LogStore::listLineNumber(QString()), 0);
    EXPECT_EQ(LogStore::listLineNumber(u"  x  F1AAA"), 0);
}

TEST(FileWriter, ARewriteKeepsTheFilesPermissions)
{
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileDevice::Permissions groupWrites = ownerOnly | QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    const struct {
        const char *name;
        QFileDevice::Permissions mode;
    } cases[] = {{"0444", readOnly}, {"0600", ownerOnly}, {"0660", groupWrites}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        // Only root may rewrite a read-only file; others are refused, which keeps it too.
        if (k.mode == readOnly && geteuid() != 0)
            continue;
        for (const Writer &w : writers(QString())) {
            if (w.file != kFixed && w.file != FirstNameDirectory::FileName)
                continue;
            if (QByteArray(w.name) == "import" || QByteArray(w.name) == "append")
                continue; // an append does not replace the file
            SCOPED_TRACE(w.name);
            TempFolder folder;
            prepare(folder);
            ASSERT_TRUE(QFile::setPermissions(folder.path(w.file), k.mode));
            const StoreResult r = w.run(folder.dir());
            ASSERT_TRUE(r.ok) << r.message.toStdString();
            EXPECT_EQ(QFileInfo(folder.path(w.file)).permissions() & QFileDevice::Permissions(0x7077) /* owner, group, others */, k.mode);
        }
    }
}

TEST(FileWriter, SystemErrorsAreToldInFrench)
{
    TempFolder folder;
    QDir(folder.dir()).mkdir("dossier.log");
    const struct {
        const char *name;
        std::function<QString()> reason;
        QString expected;
    } cases[] = {
        {"full disk on append",
         [] {
             QString e;
             EXPECT_FALSE(FileWriter::standard().appendToFile("/dev/full", "QSO\r\n", &e));
             return e;
         },
         "disque plein"},
        {"replace in a missing folder",
         [&] {
             QString e;
             EXPECT_FALSE(FileWriter::standard().replaceFile(folder.path("absent/x.log"), "x", &e));
             return e;
         },
         "fichier introuvable"},
        {"read a missing file", [&] { return readFileBytes(folder.path("absent.log")).error; }, "fichier introuvable"},
        {"read a folder", [&] { return readFileBytes(folder.path("dossier.log")).error; },
         "c'est un dossier, pas un fichier"},
        {"lock in a missing folder",
         [&] { return DataFolderLock(folder.path("absent")).refusal().message; },
         "Impossible de verrouiller le dossier des données (dossier des données introuvable)"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        const QString reason = k.reason();
        EXPECT_TRUE(reason.contains(k.expected)) << reason.toStdString();
        for (const char *english : {"No ", "Unknown", "denied", "Is a", "space"})
            EXPECT_FALSE(reason.contains(QLatin1String(english))) << reason.toStdString();
    }
}
