#pragma once
#include "core/storage/LogStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace pendrel {

// One file of a backup, as its manifest lists it.
struct BackupFile {
    QString name;     // its name in the data folder (the settings file: its own name)
    qint64 size = 0;
    QByteArray sha256; // hexadecimal
    int qsos = -1;    // for a log; -1 for the other files
};

struct BackupInfo {
    QString name;   // the folder's name, unique: "2026-12-09_10-11-12" (then "_2", "_3"...)
    QString path;   // the folder
    QDateTime when; // local time
    QString reason; // "démarrage", "avant import", "avant restauration", "à la demande"
    QList<BackupFile> files;
};

struct BackupMade {
    bool ok = false;
    bool unchanged = false; // nothing changed since the newest backup: none made
    QString name;
    QString message; // French, when it failed
};

// Copies of what Pendrel keeps for a station: the log files of every
// callsign, the first-name directory, the template and the settings file,
// each in a folder of its own with a manifest (sizes, SHA-256, QSO counts,
// date, why). A backup is written in a temporary folder and renamed when
// complete, so a backup killed halfway is never listed, and its leftovers go
// at the next one. Rotation keeps the 10 newest, the newest of each of the
// last 30 days and of each of the last 12 months.
class Backups {
public:
    static inline const QString DefaultFolderName = QStringLiteral("Sauvegardes");
    static inline const QString ManifestName = QStringLiteral("manifeste.txt");

    // `backupFolder` empty: "Sauvegardes" in the data folder. `settingsFile`
    // empty: the settings are not backed up.
    Backups(QString dataFolder, QString settingsFile, QString backupFolder = {},
            FileWriter &writer = FileWriter::standard());

    const QString &folder() const { return m_backupFolder; }

    // Makes a backup now, `reason` in its manifest. With `onlyIfChanged`,
    // none is made when every file is as the newest backup holds it.
    BackupMade make(const QString &reason, bool onlyIfChanged = false, const QDateTime &now = QDateTime::currentDateTime()) const;
    // The complete backups, newest first.
    QList<BackupInfo> list() const;
    // Checks the backup against its manifest, backs up the current state,
    // then puts each of its files back in one atomic step each, under the
    // data folder's lock. A damaged backup is refused and nothing changes.
    StoreResult restore(const QString &name) const;

    // The backups the rotation keeps among `newestFirst`, at `now`.
    static QStringList kept(const QList<BackupInfo> &newestFirst, const QDateTime &now);

private:
    QString m_dataFolder, m_settingsFile, m_backupFolder;
    FileWriter &m_writer;
};

class SettingsStore;
// The backups of `dataFolder` where the settings put them.
Backups backupsOf(const SettingsStore &settings, const QString &dataFolder, const QString &settingsFile,
                  FileWriter &writer = FileWriter::standard());

// "2026-12-09_10-11-12 09/12/2026 10:11:12 avant import F0ABC_QRP.log 1000 QSO, ..." for listings.
QString backupLine(const BackupInfo &backup);

} // namespace pendrel
