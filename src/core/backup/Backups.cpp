#include "core/backup/Backups.h"

#include "core/storage/DataFolderLock.h"
#include "core/storage/FirstNameDirectory.h"
#include "core/storage/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "core/storage/SystemError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>

namespace pendrel {
namespace {

const QString kInProgress = QStringLiteral(".en-cours-");
const QString kTemplate = QStringLiteral("FXXXX.txt");

struct Copy {
    BackupFile file;
    QByteArray bytes;
};

int qsoCount(const QByteArray &bytes)
{
    int n = 0;
    forEachLine(bytes, [&n](QByteArrayView line) {
        if (!line.trimmed().isEmpty())
            ++n;
    });
    return n;
}

Copy copyOf(const QString &name, QByteArray bytes, bool isLog)
{
    Copy c;
    c.file.name = name;
    c.file.size = bytes.size();
    c.file.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    c.file.qsos = isLog ? qsoCount(bytes) : -1;
    c.bytes = std::move(bytes);
    return c;
}

QByteArray manifest(const BackupInfo &b)
{
    QByteArray out = "Sauvegarde de Pendrel\n";
    out += "date " + b.when.toString(Qt::ISODate).toUtf8() + '\n';
    out += "raison " + b.reason.toUtf8() + '\n';
    for (const BackupFile &f : b.files)
        out += "fichier " + QByteArray::number(f.size) + ' ' + f.sha256 + ' ' + QByteArray::number(f.qsos) + ' '
               + f.name.toUtf8() + '\n';
    return out;
}

bool parseManifest(const QString &folder, BackupInfo &b)
{
    const FileBytes bytes = readFileBytes(QDir(folder).filePath(Backups::ManifestName));
    if (bytes.status != ReadStatus::Ok || !bytes.bytes.startsWith("Sauvegarde de Pendrel\n"))
        return false;
    for (const QByteArray &line : bytes.bytes.split('\n')) {
        if (line.startsWith("date "))
            b.when = QDateTime::fromString(QString::fromUtf8(line.mid(5)), Qt::ISODate);
        else if (line.startsWith("raison "))
            b.reason = QString::fromUtf8(line.mid(7));
        else if (line.startsWith("fichier ")) {
            const QList<QByteArray> parts = line.mid(8).split(' ');
            if (parts.size() < 4)
                return false;
            b.files.append({QString::fromUtf8(line.mid(8 + parts[0].size() + parts[1].size() + parts[2].size() + 3)),
                            parts[0].toLongLong(), parts[1], parts[2].toInt()});
        }
    }
    return b.when.isValid() && !b.files.isEmpty();
}

// Why a file of the backup cannot be trusted; empty when it matches its manifest.
QString damage(const BackupInfo &b, const BackupFile &f, QByteArray *bytes)
{
    const FileBytes read = readFileBytes(QDir(b.path).filePath(f.name), NoSizeLimit);
    if (read.status != ReadStatus::Ok)
        return QStringLiteral("%1 : %2").arg(f.name, read.error);
    if (read.bytes.size() != f.size || QCryptographicHash::hash(read.bytes, QCryptographicHash::Sha256).toHex() != f.sha256)
        return QStringLiteral("%1 ne correspond plus à son empreinte").arg(f.name);
    *bytes = read.bytes;
    return {};
}

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile out(path);
    errno = 0;
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush())
        return true;
    *error = frenchFileError(out);
    return false;
}

} // namespace

Backups::Backups(QString dataFolder, QString settingsFile, QString backupFolder, FileWriter &writer)
    : m_dataFolder(std::move(dataFolder)), m_settingsFile(std::move(settingsFile)),
      m_backupFolder(backupFolder.isEmpty() ? QDir(m_dataFolder).filePath(DefaultFolderName) : std::move(backupFolder)),
      m_writer(writer)
{
}

BackupMade Backups::make(const QString &reason, bool onlyIfChanged, const QDateTime &now) const
{
    BackupMade made;
    const auto failed = [&made, this](const QString &why) {
        made.message = QStringLiteral("Impossible de sauvegarder dans le dossier %1 (%2) : aucune sauvegarde n'a "
                                      "été faite.")
                           .arg(QDir::toNativeSeparators(m_backupFolder), why);
        return made;
    };
    if (!QFileInfo(m_dataFolder).isDir())
        return failed(QStringLiteral("dossier des données introuvable"));
    if (!QDir().mkpath(m_backupFolder))
        return failed(QFileInfo::exists(m_backupFolder) ? frenchSystemError(ENOTDIR)
                                                        : QStringLiteral("dossier introuvable et impossible à créer"));
    // One writer at a time, here too: two backups at once (two imports) would
    // take the same name, and one would clean up the other's unfinished copy.
    const DataFolderLock lock(m_dataFolder);
    if (!lock.acquired())
        return failed(lock.reason());
    // Left by a backup that was killed halfway.
    for (const QString &left : QDir(m_backupFolder).entryList({kInProgress + u'*'}, QDir::Dirs | QDir::Hidden))
        QDir(QDir(m_backupFolder).filePath(left)).removeRecursively();

    BackupInfo info;
    info.when = now;
    info.reason = reason;
    QList<Copy> copies;
    {
        // Under the lock: the files as one writer left them, never halfway through another's change.
        QStringList names = QDir(m_dataFolder).entryList({QStringLiteral("*_QRP.log")}, QDir::Files, QDir::Name);
        names << FirstNameDirectory::FileName << kTemplate;
        for (const QString &name : names) {
            const FileBytes read = readFileBytes(QDir(m_dataFolder).filePath(name));
            if (read.status == ReadStatus::NotFound)
                continue;
            if (read.status != ReadStatus::Ok)
                return failed(QStringLiteral("%1 : %2").arg(name, read.error));
            copies.append(copyOf(name, read.bytes, name.endsWith(QStringLiteral("_QRP.log"))));
        }
    }
    if (!m_settingsFile.isEmpty()) {
        const FileBytes read = readFileBytes(m_settingsFile);
        if (read.status == ReadStatus::Ok)
            copies.append(copyOf(QFileInfo(m_settingsFile).fileName(), read.bytes, false));
    }
    for (const Copy &c : copies)
        info.files.append(c.file);

    if (onlyIfChanged) {
        const QList<BackupInfo> existing = list();
        const auto same = [](const BackupFile &a, const BackupFile &b) { return a.name == b.name && a.sha256 == b.sha256; };
        if (!existing.isEmpty()
            && std::equal(existing.first().files.begin(), existing.first().files.end(), info.files.begin(),
                          info.files.end(), same)) {
            made.ok = true;
            made.unchanged = true;
            made.name = existing.first().name;
            return made;
        }
    }

    // Unique even for two backups in the same second.
    const QString stem = now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    info.name = stem;
    for (int n = 2; QFileInfo::exists(QDir(m_backupFolder).filePath(info.name)); ++n)
        info.name = stem + QStringLiteral("_%1").arg(n);
    const QString temporary = QDir(m_backupFolder).filePath(kInProgress + info.name);
    QString error;
    bool written = QDir().mkpath(temporary);
    if (!written)
        error = QStringLiteral("accès refusé");
    for (qsizetype i = 0; written && i < copies.size(); ++i)
        written = writeWhole(QDir(temporary).filePath(copies[i].file.name), copies[i].bytes, &error);
    // The manifest last, then the name: only a complete backup is ever listed.
    written = written && writeWhole(QDir(temporary).filePath(ManifestName), manifest(info), &error)
              && QDir().rename(temporary, QDir(m_backupFolder).filePath(info.name));
    if (!written) {
        QDir(temporary).removeRecursively();
        return failed(error.isEmpty() ? QStringLiteral("accès refusé") : error);
    }

    const QList<BackupInfo> all = list();
    const QStringList keep = kept(all, now);
    for (const BackupInfo &b : all)
        if (!keep.contains(b.name))
            QDir(b.path).removeRecursively();
    made.ok = true;
    made.name = info.name;
    return made;
}

QList<BackupInfo> Backups::list() const
{
    QList<BackupInfo> out;
    for (const QString &name : QDir(m_backupFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        BackupInfo b;
        b.name = name;
        b.path = QDir(m_backupFolder).filePath(name);
        if (parseManifest(b.path, b))
            out.append(std::move(b));
    }
    std::sort(out.begin(), out.end(), [](const BackupInfo &a, const BackupInfo &b) {
        return a.when != b.when ? a.when > b.when : a.name > b.name;
    });
    return out;
}

StoreResult Backups::restore(const QString &name) const
{
    const QList<BackupInfo> all = list();
    const auto found = std::find_if(all.begin(), all.end(), [&name](const BackupInfo &b) { return b.name == name; });
    if (found == all.end())
        return {false, QStringLiteral("Aucune sauvegarde nommée %1 dans le dossier %2 : rien n'a été restauré.")
                           .arg(name, QDir::toNativeSeparators(m_backupFolder))};
    const BackupInfo &backup = *found;
    // Every file checked before anything changes.
    QList<QByteArray> contents;
    for (const BackupFile &f : backup.files) {
        QByteArray bytes;
        if (const QString why = damage(backup, f, &bytes); !why.isEmpty())
            return {false, QStringLiteral("La sauvegarde %1 est abîmée (%2) : rien n'a été restauré.").arg(name, why)};
        contents.append(bytes);
    }
    const BackupMade before = make(QStringLiteral("avant restauration de %1").arg(name));
    if (!before.ok)
        return {false, before.message + QStringLiteral("\r\nLa sauvegarde %1 n'a pas été restaurée.").arg(name)};

    const DataFolderLock lock(m_dataFolder);
    if (!lock.acquired())
        return lock.refusal();
    QStringList restored;
    for (qsizetype i = 0; i < backup.files.size(); ++i) {
        const BackupFile &f = backup.files[i];
        const bool isSettings = !m_settingsFile.isEmpty() && f.name == QFileInfo(m_settingsFile).fileName();
        const QString target = isSettings ? m_settingsFile : QDir(m_dataFolder).filePath(f.name);
        QString reason;
        if (!m_writer.replaceFile(target, contents[i], &reason))
            return {false, QStringLiteral("Impossible de restaurer %1 (%2). La sauvegarde %3 garde l'état d'avant la "
                                          "restauration.")
                               .arg(f.name, reason, before.name)};
        restored << (f.qsos >= 0 ? QStringLiteral("%1 (%2 QSO)").arg(f.name).arg(f.qsos) : f.name);
    }
    return {true, QStringLiteral("Sauvegarde %1 restaurée : %2.\r\nL'état d'avant la restauration est dans la "
                                 "sauvegarde %3.")
                      .arg(name, restored.join(QStringLiteral(", ")), before.name)};
}

QStringList Backups::kept(const QList<BackupInfo> &newestFirst, const QDateTime &now)
{
    QStringList keep;
    QSet<QDate> days;
    QSet<int> months;
    const int thisMonth = now.date().year() * 12 + now.date().month();
    for (qsizetype i = 0; i < newestFirst.size(); ++i) {
        const BackupInfo &b = newestFirst[i];
        const QDate day = b.when.date();
        const int month = day.year() * 12 + day.month();
        bool keepIt = i < 10;
        if (day > now.date().addDays(-30) && !days.contains(day)) {
            days.insert(day);
            keepIt = true;
        }
        if (month > thisMonth - 12 && !months.contains(month)) {
            months.insert(month);
            keepIt = true;
        }
        if (keepIt)
            keep.append(b.name);
    }
    return keep;
}

Backups backupsOf(const SettingsStore &settings, const QString &dataFolder, const QString &settingsFile,
                  FileWriter &writer)
{
    return Backups(dataFolder, settingsFile,
                   settings.read(settings::GlobalSection, settings::DossierSauvegardes, QString()).trimmed(), writer);
}

QString backupLine(const BackupInfo &b)
{
    QStringList logs;
    for (const BackupFile &f : b.files)
        if (f.qsos >= 0)
            logs << QStringLiteral("%1 %2 QSO").arg(f.name).arg(f.qsos);
    return QStringLiteral("%1  %2  %3  %4")
        .arg(b.name, b.when.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")), b.reason, logs.join(QStringLiteral(", ")));
}

} // namespace pendrel
