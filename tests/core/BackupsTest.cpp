// Backups of the data folder: whole or not at all, checked before a restore,
// bounded by the rotation.
#include "core/backup/Backups.h"

#include "support/FolderWriters.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace pendrel;
using namespace pendrel::test;

namespace {

// In the past: a backup made now (before a restore) is newer.
const QDateTime kNow(QDate(2026, 1, 5), QTime(10, 11, 12));

struct Folder {
    TempFolder data, config;
    Folder()
    {
        prepare(data);
        data.write("F6XYZ_P_QRP.log", encodeLines({qso("F1PPP")}));
        config.write("QRP.conf", "[Setup%20F0ABC]\nBonus=3\n");
    }
    Backups backups() const { return Backups(data.dir(), config.path("QRP.conf")); }
};

} // namespace

TEST(Backups, ARestoreGivesBackTheBackedUpFilesAndCanItselfBeUndone)
{
    Folder f;
    const QStringList names = {kFixed, "F6XYZ_P_QRP.log", FirstNameDirectory::FileName, "FXXXX.txt"};
    QList<QByteArray> saved;
    for (const QString &n : names)
        saved << f.data.read(n);
    const QByteArray settings = f.config.read("QRP.conf");
    const BackupMade made = f.backups().make("à la demande", false, kNow);
    ASSERT_TRUE(made.ok) << made.message.toStdString();
    EXPECT_EQ(made.name, "2026-01-05_10-11-12");

    ASSERT_TRUE(LogStore(f.data.dir()).DeleteQso(kCall, StationKind::Fixed, qso("F1AAA"), 1).ok);
    f.data.write(FirstNameDirectory::FileName, "");
    f.config.write("QRP.conf", "[Setup%20F0ABC]\nBonus=9\n");
    const QByteArray changedLog = f.data.read(kFixed);

    const StoreResult r = f.backups().restore(made.name);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_TRUE(r.message.startsWith("Sauvegarde 2026-01-05_10-11-12 restaurée : F0ABC_QRP.log (2 QSO)"))
        << r.message.toStdString();
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_EQ(f.data.read(names[i]), saved[i]) << names[i].toStdString();
    EXPECT_EQ(f.config.read("QRP.conf"), settings);

    // The state before the restore is a backup of its own.
    const QList<BackupInfo> all = f.backups().list();
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all.first().reason, "avant restauration de 2026-01-05_10-11-12");
    EXPECT_EQ(all.first().files.first().qsos, 1);
    EXPECT_TRUE(f.backups().restore(all.first().name).ok);
    EXPECT_EQ(f.data.read(kFixed), changedLog);
}

TEST(Backups, ADamagedBackupIsRefusedAndNothingChanges)
{
    const struct {
        const char *name;
        std::function<void(const QString &backup)> harm;
        const char *why;
    } cases[] = {
        {"one byte of a log", [](const QString &b) {
             QFile file(QDir(b).filePath(kFixed));
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             file.seek(3);
             file.write("Z");
         }, "F0ABC_QRP.log ne correspond plus à son empreinte"},
        {"a log missing", [](const QString &b) { QFile::remove(QDir(b).filePath(kFixed)); }, "fichier introuvable"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Folder f;
        const BackupMade made = f.backups().make("à la demande", false, kNow);
        ASSERT_TRUE(made.ok);
        k.harm(f.backups().list().first().path);
        f.data.write(kFixed, "changed\r\n");
        const StoreResult r = f.backups().restore(made.name);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.contains(k.why)) << r.message.toStdString();
        EXPECT_TRUE(r.message.contains("rien n'a été restauré")) << r.message.toStdString();
        EXPECT_EQ(f.data.read(kFixed), "changed\r\n");
        EXPECT_EQ(f.backups().list().size(), 1) << "no backup before a refused restore";
    }
}

TEST(Backups, OnlyWholeBackupsAreListedAndLeftoversGo)
{
    Folder f;
    const Backups backups = f.backups();
    // A backup killed halfway: its temporary folder, a log copied, no manifest.
    QDir(backups.folder()).mkpath(".en-cours-2026-12-09_10-00-00");
    QFile::copy(f.data.path(kFixed), QDir(backups.folder()).filePath(".en-cours-2026-12-09_10-00-00/" + kFixed));
    // And one whose manifest is there but cut short.
    QDir(backups.folder()).mkpath("2026-12-09_09-00-00");
    QFile half(QDir(backups.folder()).filePath("2026-12-09_09-00-00/" + Backups::ManifestName));
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write("Sauvegarde de Pendrel\ndate 2026-12-09T09:00:00\n");
    half.close();
    EXPECT_TRUE(backups.list().isEmpty());
    ASSERT_TRUE(backups.make("démarrage", false, kNow).ok);
    EXPECT_EQ(backups.list().size(), 1);
    EXPECT_FALSE(QDir(backups.folder()).exists(".en-cours-2026-12-09_10-00-00"));
}

TEST(Backups, StartingAgainWithoutAChangeMakesNoNewBackupAndNamesStayUnique)
{
    Folder f;
    const Backups backups = f.backups();
    EXPECT_FALSE(backups.make("démarrage", true, kNow).unchanged);
    EXPECT_TRUE(backups.make("démarrage", true, kNow.addSecs(60)).unchanged);
    ASSERT_TRUE(LogStore(f.data.dir()).AppendQso(kCall, StationKind::Fixed, qso("F1NEW")).ok);
    const BackupMade changed = backups.make("démarrage", true, kNow);
    EXPECT_FALSE(changed.unchanged);
    EXPECT_EQ(changed.name, "2026-01-05_10-11-12_2");
    EXPECT_EQ(backups.make("à la demande", false, kNow).name, "2026-01-05_10-11-12_3");
}

TEST(Backups, RotationKeepsABoundedNumberAndTheNewest)
{
    Folder f;
    const Backups backups = f.backups();
    // Sixty backups after sixty changes, one every five hours.
    for (int i = 0; i < 60; ++i) {
        ASSERT_TRUE(LogStore(f.data.dir()).AppendQso(kCall, StationKind::Fixed, qso(QStringLiteral("F%1N").arg(i))).ok);
        ASSERT_TRUE(backups.make("démarrage", true, kNow.addSecs(i * 5 * 3600)).ok);
    }
    const QList<BackupInfo> left = backups.list();
    EXPECT_LE(left.size(), 10 + 30 + 12);
    EXPECT_LT(left.size(), 60);
    EXPECT_EQ(left.first().when, kNow.addSecs(59 * 5 * 3600));

    // The rule itself: ten newest, then one a day for 30 days, one a month for 12.
    QList<BackupInfo> many;
    for (int day = 0; day < 800; ++day)
        for (int hour : {20, 8})
            many.append({QStringLiteral("b%1_%2").arg(day).arg(hour), {}, kNow.addDays(-day).addSecs((hour - 10) * 3600), {}, {}});
    const QStringList keep = Backups::kept(many, kNow);
    EXPECT_EQ(keep.first(), many.first().name);
    // The ten newest span five days; one a day adds 25 more (back to 7 December),
    // covering two months; one a month adds the 10 others of the year.
    EXPECT_EQ(keep.size(), 10 + 25 + 10);
}

TEST(Backups, AFolderThatCannotHoldBackupsSaysSoAndMakesNone)
{
    Folder f;
    f.config.write("not-a-folder", "x");
    const BackupMade made = Backups(f.data.dir(), {}, f.config.path("not-a-folder/Sauvegardes")).make("démarrage");
    EXPECT_FALSE(made.ok);
    EXPECT_TRUE(made.message.startsWith("Impossible de sauvegarder dans le dossier")) << made.message.toStdString();
    EXPECT_TRUE(made.message.contains("aucune sauvegarde n'a été faite")) << made.message.toStdString();
}
