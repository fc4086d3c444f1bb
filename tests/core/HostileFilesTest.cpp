// Files of the data folder that are not what they seem: links out of it,
// pipes, devices, huge sparse files, a lock that is a folder or was left by a
// writer killed at the worst moment. None may hang, fill the memory, block
// the next writer or be written through.
#include "core/adif/AdifExport.h"
#include "core/maps/MapMarks.h"

#include "support/FolderWriters.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

using namespace pendrel;
using namespace pendrel::test;

TEST(HostileFiles, NoWriterWritesThroughALinkOutOfTheDataFolder)
{
    for (qsizetype i = 0; i < writers(QString()).size(); ++i) {
        TempFolder folder, elsewhere;
        prepare(folder);
        const Writer op = writers(folder.path("in.adi"))[i];
        SCOPED_TRACE(op.name);
        // The file it changes is a link to a file of another folder (a system
        // file, as root), or to where a file would be created.
        const bool existed = folder.exists(op.file);
        if (existed)
            elsewhere.write("system.txt", folder.read(op.file));
        const QByteArray target = elsewhere.read("system.txt");
        QFile::remove(folder.path(op.file));
        ASSERT_TRUE(QFile::link(elsewhere.path("system.txt"), folder.path(op.file)));
        const StoreResult r = op.run(folder.dir());
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.contains("c'est un lien vers")) << r.message.toStdString();
        EXPECT_EQ(elsewhere.exists("system.txt"), existed);
        EXPECT_EQ(elsewhere.read("system.txt"), target);
    }
}

TEST(HostileFiles, LinksInsideTheDataFolderAndALinkedDataFolderStayWritable)
{
    TempFolder folder, home;
    prepare(folder);
    // The log kept in a subfolder of the data folder, the data folder itself a link.
    QDir(folder.dir()).mkdir("logs");
    QFile::rename(folder.path(kFixed), folder.path("logs/" + kFixed));
    ASSERT_TRUE(QFile::link(folder.path("logs/" + kFixed), folder.path(kFixed)));
    ASSERT_TRUE(QFile::link(folder.dir(), home.path("data")));
    const StoreResult r = LogStore(home.path("data")).DeleteQso(kCall, StationKind::Fixed, qso("F1AAA"), 1);
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(fileLines(folder, "logs/" + kFixed), QStringList{qso("F1BBB")});
    EXPECT_TRUE(QFileInfo(folder.path(kFixed)).isSymLink());
}

TEST(HostileFiles, AnAppendToAHardLinkedLogLeavesTheOtherNameAlone)
{
    TempFolder folder, elsewhere;
    prepare(folder);
    const QByteArray before = folder.read(kFixed);
    ASSERT_EQ(::link(QFile::encodeName(folder.path(kFixed)).constData(),
                     QFile::encodeName(elsewhere.path("other.txt")).constData()), 0);
    ASSERT_TRUE(LogStore(folder.dir()).AppendQso(kCall, StationKind::Fixed, qso("F1NEW")).ok);
    EXPECT_EQ(elsewhere.read("other.txt"), before);
    EXPECT_EQ(folder.read(kFixed), before + encodeLines({qso("F1NEW")}));
}

TEST(HostileFiles, ALogThatIsNoRegularFileOrTooLargeIsRefusedAtOnce)
{
    const struct {
        const char *name;
        std::function<void(const QString &path)> make;
        const char *reason;
    } kinds[] = {
        {"pipe", [](const QString &p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); },
         "pas un fichier ordinaire"},
        {"device", [](const QString &p) { ASSERT_TRUE(QFile::link("/dev/zero", p)); }, "pas un fichier ordinaire"},
        {"2 GB sparse file",
         [](const QString &p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             ASSERT_TRUE(f.resize(qint64(2) << 30));
         },
         "fichier de 2148 Mo"},
    };
    for (const auto &kind : kinds) {
        SCOPED_TRACE(kind.name);
        TempFolder folder;
        kind.make(folder.path(kFixed));
        const LogStore store(folder.dir());
        const LoadResult loaded = store.LoadLog(kCall, StationKind::Fixed);
        EXPECT_EQ(loaded.status, ReadStatus::Error);
        EXPECT_TRUE(loaded.error.contains(kind.reason)) << loaded.error.toStdString();
        const StoreResult appended = store.AppendQso(kCall, StationKind::Fixed, qso("F1NEW"));
        const StoreResult deleted = store.DeleteQso(kCall, StationKind::Fixed, qso("F1NEW"), 1);
        for (const StoreResult &r : {appended, deleted}) {
            EXPECT_FALSE(r.ok);
            EXPECT_TRUE(r.message.contains(kind.reason)) << r.message.toStdString();
        }
        // The readers that go line by line refuse it before reading as well.
        const adif::ExportResult exported = adif::exportFixedLog(folder.dir(), kCall);
        EXPECT_FALSE(exported.ok);
        EXPECT_TRUE(exported.message.contains(kind.reason)) << exported.message.toStdString();
        const LogMarks map = MarkDepartements(store, kCall, StationKind::Fixed, "14 Mhz", "SSB");
        EXPECT_TRUE(map.error.contains(kind.reason)) << map.error.toStdString();
    }
}

TEST(HostileFiles, ALockThatCannotBeALockIsNamedWithItsRemedyAtOnce)
{
    const ShortWait wait(3000);
    TempFolder folder;
    prepare(folder);
    QDir(folder.dir()).mkdir(DataFolderLock::FileName);
    QElapsedTimer clock;
    clock.start();
    const StoreResult r = LogStore(folder.dir()).AppendQso(kCall, StationKind::Fixed, qso("F1NEW"));
    EXPECT_LT(clock.elapsed(), 2000) << "waited for a lock no one holds";
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(".pendrel.lock n'est pas un fichier ordinaire")) << r.message.toStdString();
    EXPECT_TRUE(r.message.contains("supprimez-le")) << r.message.toStdString();
    EXPECT_FALSE(r.message.contains("occupé")) << r.message.toStdString();
}

TEST(HostileFiles, AWriterKilledWhileTakingOverALockDoesNotBlockTheNext)
{
    const ShortWait wait(1000);
    TempFolder folder;
    prepare(folder);
    const qint64 deadPid = deadProcessNumber();
    ASSERT_GT(deadPid, 0);
    // What an older writer leaves when it is killed in the middle of taking
    // over a dead one's lock: the stale lock, and its own fresh empty one.
    folder.write(DataFolderLock::FileName,
                 QByteArray::number(deadPid) + "\npendrel-cli\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    folder.write(DataFolderLock::FileName + ".rmlock", {});
    const StoreResult r = LogStore(folder.dir()).DeleteQso(kCall, StationKind::Fixed, qso("F1AAA"), 1);
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(fileLines(folder, kFixed), QStringList{qso("F1BBB")});
}

TEST(HostileFiles, ALiveWritersLockIsNeverTakenOverHoweverOld)
{
    const ShortWait wait(300);
    TempFolder folder;
    prepare(folder);
    const QByteArray before = folder.read(kFixed);
    int notices = 0;
    bool ended = false;
    DataFolderLock::setWaitNotice([&](bool waiting) { waiting ? ++notices : int(ended = true); });
    {
        // A writer that holds the lock and is stopped (SIGSTOP) for a minute.
        const DataFolderLock live(folder.dir());
        ASSERT_TRUE(live.acquired());
        const struct utimbuf aMinuteAgo{time(nullptr) - 60, time(nullptr) - 60};
        ASSERT_EQ(::utime(QFile::encodeName(folder.path(DataFolderLock::FileName)).constData(), &aMinuteAgo), 0);
        const StoreResult r = LogStore(folder.dir()).DeleteQso(kCall, StationKind::Fixed, qso("F1AAA"), 1);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.contains("occupé par un autre programme")) << r.message.toStdString();
        EXPECT_EQ(folder.read(kFixed), before);
    }
    DataFolderLock::setWaitNotice({});
    // The waiting writer told the window it was waiting, and when it stopped.
    EXPECT_GT(notices, 1);
    EXPECT_TRUE(ended);
    // Released, the lock is free at once and its file gone.
    EXPECT_FALSE(folder.exists(DataFolderLock::FileName));
    EXPECT_TRUE(LogStore(folder.dir()).DeleteQso(kCall, StationKind::Fixed, qso("F1AAA"), 1).ok);
}

TEST(HostileFiles, TheTemporaryCopyOfAKilledWriterGoesAtTheNextWrite)
{
    TempFolder folder;
    prepare(folder);
    const QStringList leftovers = {kFixed + ".Ab12Cd", "Liste_Prenom.txt.x9Y8z7", "FXXXX.txt.qwerty"};
    const QStringList kept = {kFixed + ".sauve", "notes.txt.Ab12Cd"};
    for (const QString &name : leftovers + kept)
        folder.write(name, "half");
    ASSERT_TRUE(LogStore(folder.dir()).AppendQso(kCall, StationKind::Fixed, qso("F1NEW")).ok);
    for (const QString &name : leftovers)
        EXPECT_FALSE(folder.exists(name)) << name.toStdString();
    for (const QString &name : kept)
        EXPECT_TRUE(folder.exists(name)) << name.toStdString();
}
