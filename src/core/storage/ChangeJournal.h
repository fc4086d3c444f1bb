#pragma once
#include "core/storage/TextFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace pendrel {

class SettingsStore;

// A setting as it was before a change of the log moved it.
struct SettingValue {
    QString section, key, value;
    bool present = true; // false: the key was absent
    bool operator==(const SettingValue &) const = default;
};

// The settings that logging a QSO moves (outing counter, its bonus, the best
// km/W flag of each kind), as they stand now, absent ones included.
QList<SettingValue> journalledSettings(const SettingsStore &settings, const QString &callsign);

// Writes the values back, as an undo does.
void putBack(SettingsStore &settings, const QList<SettingValue> &values);

// One change of a log file, with what reverses it: the bytes it replaced at
// one place of the file, and the size and fingerprint of the bytes it put
// there (an import adds a whole block: only what it removed is needed to put
// the log back). It grows with what the change removed, never with the log.
// The file's size and time of change after it, and the fingerprint, tell
// whether the log is still what the change left.
struct JournalEntry {
    qint64 id = 0;
    QString logFile;     // its name in the data folder
    QString description; // "suppression du QSO 124 (F6ABC)"
    QDateTime when;      // UTC
    qint64 sizeAfter = 0;
    qint64 modifiedAfterNs = 0;
    qint64 offset = 0;
    QByteArray removed;
    qint64 addedSize = 0;
    quint64 addedHash = 0;
    QList<SettingValue> settingsBefore;
};

struct UndoResult {
    bool ok = false;
    QString message; // French: what was undone, or why nothing was
    JournalEntry entry;
};

// The journal of the changes made to the logs of a data folder, kept in the
// folder itself (".pendrel-journal", one small file per change) so that an
// undo works after a restart and from pendrel-cli. Trimmed to its last
// KeptEntries changes.
class ChangeJournal {
public:
    static inline const QString FolderName = QStringLiteral(".pendrel-journal");
    static constexpr int KeptEntries = 100;

    explicit ChangeJournal(QString dataFolder, FileWriter &writer = FileWriter::standard());

    // Called under the folder's lock, once the log `logFile` holds `after`
    // in place of `before` (a rewrite), or `added` at the end of its first
    // `sizeBefore` bytes (an append). A journal that cannot be written never
    // undoes the change: that change simply cannot be undone.
    void recordRewrite(const QString &logFile, const QString &description, const QByteArray &before,
                       const QByteArray &after, const QList<SettingValue> &settingsBefore) const;
    void recordAppend(const QString &logFile, const QString &description, qint64 sizeBefore,
                      const QByteArray &added, const QList<SettingValue> &settingsBefore) const;

    // The changes of `logFile` that can be undone, newest first.
    QList<JournalEntry> entries(const QString &logFile) const;

    // Undoes the newest change of `logFile` under the folder's lock: the log
    // becomes byte for byte what it was before it. Refused, with nothing
    // changed, when the log is no longer what the change left. The caller
    // puts back `entry.settingsBefore`.
    UndoResult undoLast(const QString &logFile) const;

private:
    void record(JournalEntry entry) const;
    bool write(const JournalEntry &entry) const;
    QString entryPath(qint64 id) const;
    QString folder() const;
    QString m_dataFolder;
    FileWriter &m_writer;
};

} // namespace pendrel
