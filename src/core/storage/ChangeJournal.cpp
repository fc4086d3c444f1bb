#include "core/storage/ChangeJournal.h"

#include "core/storage/DataFolderLock.h"
#include "core/storage/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <sys/stat.h>

namespace pendrel {
namespace {

const QString kEntrySuffix = QStringLiteral(".chg");
const QString kAbsent = QStringLiteral("\x1f");

struct FileState {
    qint64 size = -1;
    qint64 modifiedNs = 0;
};

FileState stateOf(const QString &path)
{
    struct stat info{};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// FNV-1a taken eight bytes at a time: a few milliseconds for the block of a
// whole import. It only has to tell that bytes of the right size and time
// are not those a change wrote, not to resist anyone.
quint64 fingerprint(QByteArrayView bytes)
{
    constexpr quint64 Prime = 0x100000001b3ULL;
    quint64 h = 0xcbf29ce484222325ULL;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8)
        h = (h ^ qFromLittleEndian<quint64>(bytes.data() + i)) * Prime;
    for (; i < bytes.size(); ++i)
        h = (h ^ quint8(bytes[i])) * Prime;
    return h;
}

QByteArray field(const QString &text)
{
    return text.toUtf8().toBase64();
}

QString text(const QByteArray &base64)
{
    return QString::fromUtf8(QByteArray::fromBase64(base64));
}

// One "name value" line per field, values in base64 so that any byte fits.
// The log is named "logfile": entries of a former version held the added
// bytes themselves under "log" and "added", and that version, which would
// read this entry as one that added nothing, ignores an entry without "log".
QByteArray serialise(const JournalEntry &e)
{
    QByteArray out;
    // The whole log may have been removed (a hand-edited one made CR LF): its
    // base64 goes straight into the entry, a piece at a time, without a copy.
    out.reserve(300 + (e.removed.size() + 3) * 4 / 3);
    const auto line = [&out](const char *name, const QByteArray &value) {
        out.append(name).append(' ').append(value).append('\n');
    };
    const auto bytesLine = [&out](const char *name, const QByteArray &bytes) {
        out.append(name).append(' ');
        constexpr qsizetype Piece = 3 * 16384; // whole groups of three: no padding inside
        for (qsizetype at = 0; at < bytes.size(); at += Piece)
            out.append(QByteArray::fromRawData(bytes.constData() + at, std::min(Piece, bytes.size() - at)).toBase64());
        out.append('\n');
    };
    line("logfile", field(e.logFile));
    line("what", field(e.description));
    line("when", e.when.toString(Qt::ISODateWithMs).toLatin1());
    line("size", QByteArray::number(e.sizeAfter));
    line("mtime", QByteArray::number(e.modifiedAfterNs));
    line("offset", QByteArray::number(e.offset));
    bytesLine("removed", e.removed);
    line("addedsize", QByteArray::number(e.addedSize));
    line("addedhash", QByteArray::number(e.addedHash));
    for (const SettingValue &s : e.settingsBefore)
        line(s.present ? "setting" : "absent", field(s.section) + ' ' + field(s.key) + ' ' + field(s.value));
    line("end", {});
    return out;
}

// False for a file cut short or not of this form: such an entry is ignored.
bool parse(const QByteArray &bytes, JournalEntry &e)
{
    bool complete = false;
    for (const QByteArray &l : bytes.split('\n')) {
        const qsizetype space = l.indexOf(' ');
        if (space < 0)
            continue;
        const QByteArray name = l.left(space), value = l.mid(space + 1);
        if (name == "logfile" || name == "log")
            e.logFile = text(value);
        else if (name == "what")
            e.description = text(value);
        else if (name == "when")
            e.when = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
        else if (name == "size")
            e.sizeAfter = value.toLongLong();
        else if (name == "mtime")
            e.modifiedAfterNs = value.toLongLong();
        else if (name == "offset")
            e.offset = value.toLongLong();
        else if (name == "removed")
            e.removed = QByteArray::fromBase64(value);
        else if (name == "addedsize")
            e.addedSize = value.toLongLong();
        else if (name == "addedhash")
            e.addedHash = value.toULongLong();
        else if (name == "added") { // a former version's entry
            const QByteArray added = QByteArray::fromBase64(value);
            e.addedSize = added.size();
            e.addedHash = fingerprint(added);
        }
        else if (name == "setting" || name == "absent") {
            const QList<QByteArray> parts = value.split(' ');
            if (parts.size() == 3)
                e.settingsBefore.append({text(parts[0]), text(parts[1]), text(parts[2]), name == "setting"});
        } else if (name == "end")
            complete = true;
    }
    return complete && !e.logFile.isEmpty() && e.offset >= 0 && e.addedSize >= 0;
}

} // namespace

QList<SettingValue> journalledSettings(const SettingsStore &store, const QString &callsign)
{
    QList<SettingValue> values;
    const QString section = settings::callsignSection(callsign);
    for (const QString &key : {settings::Bonus, settings::BonusSortie, settings::MeilleurKmWF, settings::MeilleurKmWP}) {
        const QString value = store.read(section, key, kAbsent);
        values.append(value == kAbsent ? SettingValue{section, key, QString(), false} : SettingValue{section, key, value});
    }
    return values;
}

void putBack(SettingsStore &store, const QList<SettingValue> &values)
{
    for (const SettingValue &s : values) {
        if (s.present)
            store.write(s.section, s.key, s.value);
        else
            store.remove(s.section, s.key);
    }
}

ChangeJournal::ChangeJournal(QString dataFolder, FileWriter &writer)
    : m_dataFolder(std::move(dataFolder)), m_writer(writer)
{
}

QString ChangeJournal::folder() const
{
    return QDir(m_dataFolder).filePath(FolderName);
}

void ChangeJournal::recordRewrite(const QString &logFile, const QString &description, const QByteArray &before,
                                  const QByteArray &after, const QList<SettingValue> &settingsBefore) const
{
    // Only the part that differs: what is common to both ends is left out.
    qsizetype head = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    JournalEntry e;
    e.logFile = logFile;
    e.description = description;
    e.offset = head;
    // Views into the two texts, which outlive the entry written here.
    e.removed = QByteArray::fromRawData(before.constData() + head, before.size() - head - tail);
    e.addedSize = after.size() - head - tail;
    e.addedHash = fingerprint(QByteArrayView(after).sliced(head, e.addedSize));
    e.settingsBefore = settingsBefore;
    record(std::move(e));
}

void ChangeJournal::recordAppend(const QString &logFile, const QString &description, qint64 sizeBefore,
                                 const QByteArray &added, const QList<SettingValue> &settingsBefore) const
{
    JournalEntry e;
    e.logFile = logFile;
    e.description = description;
    e.offset = sizeBefore;
    e.addedSize = added.size();
    e.addedHash = fingerprint(added);
    e.settingsBefore = settingsBefore;
    record(std::move(e));
}

void ChangeJournal::record(JournalEntry e) const
{
    const FileState now = stateOf(QDir(m_dataFolder).filePath(e.logFile));
    if (now.size < 0 || !QDir().mkpath(folder()))
        return;
    e.sizeAfter = now.size;
    e.modifiedAfterNs = now.modifiedNs;
    e.when = QDateTime::currentDateTimeUtc();
    QStringList names = QDir(folder()).entryList({QStringLiteral("*") + kEntrySuffix}, QDir::Files, QDir::Name);
    e.id = names.isEmpty() ? 1 : names.last().chopped(kEntrySuffix.size()).toLongLong() + 1;
    if (!write(e))
        return;
    names.append(QFileInfo(entryPath(e.id)).fileName());
    for (qsizetype i = 0; i + KeptEntries < names.size(); ++i)
        QFile::remove(QDir(folder()).filePath(names[i]));
    // The temporary copy of an entry whose writer was killed (we hold the lock).
    for (const QString &left : QDir(folder()).entryList(QDir::Files | QDir::Hidden))
        if (!left.endsWith(kEntrySuffix))
            QFile::remove(QDir(folder()).filePath(left));
}

QString ChangeJournal::entryPath(qint64 id) const
{
    return QDir(folder()).filePath(QStringLiteral("%1").arg(id, 10, 10, QLatin1Char('0')) + kEntrySuffix);
}

bool ChangeJournal::write(const JournalEntry &e) const
{
    return m_writer.replaceFile(entryPath(e.id), serialise(e), nullptr);
}

QList<JournalEntry> ChangeJournal::entries(const QString &logFile) const
{
    QList<JournalEntry> out;
    const QStringList names = QDir(folder()).entryList({QStringLiteral("*") + kEntrySuffix}, QDir::Files, QDir::Name);
    for (auto name = names.crbegin(); name != names.crend(); ++name) {
        const FileBytes bytes = readFileBytes(QDir(folder()).filePath(*name));
        JournalEntry e;
        e.id = name->chopped(kEntrySuffix.size()).toLongLong();
        if (bytes.status == ReadStatus::Ok && parse(bytes.bytes, e) && e.logFile == logFile)
            out.append(std::move(e));
    }
    return out;
}

UndoResult ChangeJournal::undoLast(const QString &logFile) const
{
    UndoResult result;
    const DataFolderLock lock(m_dataFolder);
    if (!lock.acquired()) {
        result.message = lock.refusal().message;
        return result;
    }
    const QList<JournalEntry> all = entries(logFile);
    if (all.isEmpty()) {
        result.message = QStringLiteral("Aucune modification du log %1 à annuler.").arg(logFile);
        return result;
    }
    const JournalEntry &e = all.first();
    result.entry = e;
    const QString path = QDir(m_dataFolder).filePath(logFile);
    const FileState now = stateOf(path);
    const FileBytes file = readFileBytes(path);
    if (file.status != ReadStatus::Ok) {
        result.message = QStringLiteral("Impossible de lire le log %1 (%2) : rien n'a été annulé.").arg(logFile, file.error);
        return result;
    }
    const QByteArray &bytes = file.bytes;
    const bool asLeft = now.size == e.sizeAfter && now.modifiedNs == e.modifiedAfterNs
                        && e.offset <= bytes.size() && e.addedSize <= bytes.size() - e.offset
                        && fingerprint(QByteArrayView(bytes).sliced(e.offset, e.addedSize)) == e.addedHash;
    // An undo killed after it restored the log but before it dropped its
    // entry: the log is already as it was before the change.
    const bool alreadyUndone = now.size == e.sizeAfter - e.addedSize + e.removed.size()
                               && bytes.size() >= e.offset + e.removed.size()
                               && bytes.mid(e.offset, e.removed.size()) == e.removed && now.modifiedNs != e.modifiedAfterNs
                               && !asLeft;
    if (!asLeft && !alreadyUndone) {
        result.message = QStringLiteral("Le log %1 a été modifié depuis (par une autre fenêtre, pendrel-cli ou un "
                                        "éditeur) : « %2 » ne peut plus être annulé. Rien n'a été changé.")
                             .arg(logFile, e.description);
        return result;
    }
    if (asLeft) {
        const QByteArray before = bytes.left(e.offset) + e.removed + bytes.mid(e.offset + e.addedSize);
        QString reason;
        if (!m_writer.replaceFile(path, before, &reason)) {
            result.message = QStringLiteral("Impossible d'enregistrer le log %1 (%2) : rien n'a été annulé.")
                                 .arg(logFile, reason);
            return result;
        }
    }
    // The change before it now stands as it left the log, at a new time:
    // noted before this entry goes, so that a kill in between loses nothing.
    if (all.size() > 1) {
        JournalEntry previous = all[1];
        const FileState restored = stateOf(path);
        if (previous.sizeAfter == restored.size) {
            previous.modifiedAfterNs = restored.modifiedNs;
            write(previous);
        }
    }
    QFile::remove(entryPath(e.id));
    result.ok = true;
    result.message = QStringLiteral("Annulé : %1.").arg(e.description);
    return result;
}

} // namespace pendrel
