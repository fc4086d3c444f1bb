#pragma once
#include "core/storage/ChangeJournal.h"
#include "core/storage/TextFile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace pendrel {

enum class StationKind { Fixed, Portable };

// What the list shows after a load: one log list line per QSO, and the totals.
struct LogView {
    QStringList listLines;
    QString totalPoints = QStringLiteral("0"); // Total_P
    QString bestKmW = QStringLiteral("0");     // KmW_Max
};

struct LoadResult {
    ReadStatus status = ReadStatus::Ok;
    LogView view;
    QString error; // French message when status is Error
    // More QSOs than the number field can show: the list stops at the last
    // number, the totals count every QSO, and `warning` says so in French.
    bool tooMany = false;
    QString warning;
};

// Outcome of a change to a log file; on failure the file is as it was and
// `message` says why, in French.
struct StoreResult {
    bool ok = true;
    QString message;
};

// What a caller knows of a log as it last read it. While the file is still
// that one (same size and time of change, checked under the lock), an append
// reads its last byte only, so that its time does not grow with the log.
struct KnownLog {
    qint64 size = -1;
    QDateTime modified;
    int qsoCount = 0;
};

// The log files of the program folder: one per callsign and station kind.
class LogStore {
public:
    explicit LogStore(QString folder, FileWriter &writer = FileWriter::standard());

    static QString logFileName(const QString &callsign, StationKind kind);
    // Says that the log file `fileName` holds as many QSOs as can be numbered.
    static QString logFullText(const QString &fileName);
    QString logPath(const QString &callsign, StationKind kind) const;
    const QString &folder() const { return m_folder; }
    FileWriter &writer() const { return m_writer; }

    LoadResult LoadLog(const QString &callsign, StationKind kind) const;
    // Builds the list and totals from record lines already read, or straight
    // from the windows-1252 bytes of a log file. Blank lines hold no QSO.
    static LogView buildView(const QStringList &recordLines, bool *tooMany = nullptr);
    static LogView buildView(QByteArrayView fileBytes, bool *tooMany = nullptr);
    // The lines the list of the log at `path` shows, one at a time, without
    // holding the file or the list: the same lines as LoadLog's.
    static ReadOutcome forEachListLine(const QString &path, const std::function<void(const QString &)> &visit);

    // Every change below runs under the data folder's lock (DataFolderLock)
    // and reads the file it changes under that lock, so that a change made
    // meanwhile by another writer is never lost. A writer that cannot get
    // the lock within a few seconds changes nothing and says so.
    // `known`: what the caller knows of the file (see KnownLog).
    StoreResult AppendQso(const QString &callsign, StationKind kind, const QString &recordLine,
                          const KnownLog &known = {}) const;
    // Replace and delete act on one line: the QSO numbered `qsoNumber` in the
    // list (1 = first QSO of the file) when that line still holds `oldLine`,
    // otherwise the identical line nearest to it (the file changed since the
    // list was read), so that another identical QSO stays. A number of 0
    // means the first identical line. When no line holds it, ReplaceQso adds
    // the new line at the end and DeleteQso changes nothing and says so.
    StoreResult ReplaceQso(const QString &callsign, StationKind kind, const QString &newLine,
                           const QString &oldLine, int qsoNumber = 0) const;
    StoreResult DeleteQso(const QString &callsign, StationKind kind, const QString &recordLine,
                          int qsoNumber = 0) const;
    StoreResult InsertQsoByDate(const QString &callsign, StationKind kind, const QString &recordLine) const;
    // Creates whichever of the two log files is missing, as a copy of FXXXX.txt.
    StoreResult CreateLogFiles(const QString &callsign) const;

    // One read-modify-write of the log of that callsign and kind under the
    // lock: `edit` changes the lines read; when it returns ok, the file is
    // replaced with them in one atomic step.
    // `description` names the change in the journal of changes that can be
    // undone ("suppression du QSO 124 (F6ABC)").
    using LineEdit = std::function<StoreResult(QStringList &lines)>;
    StoreResult modifyLog(const QString &callsign, StationKind kind, const LineEdit &edit,
                          const QString &description) const;
    // The same on the file's bytes, for a change too large to hold as lines
    // (an import): `edit` makes the new content from the one read; `after`
    // may be a view (QByteArray::fromRawData) of bytes the caller keeps
    // until this returns.
    using ByteEdit = std::function<StoreResult(const QByteArray &before, QByteArray &after)>;
    StoreResult rewriteLog(const QString &callsign, StationKind kind, const ByteEdit &edit,
                           const QString &description) const;

    // Every change above is recorded in the folder's ChangeJournal with the
    // settings it may move, as this gives them just before the change (the
    // window's outing counter and bonus, the best km/W); none by default.
    void setSettingsSnapshot(std::function<QList<SettingValue>()> snapshot) { m_snapshot = std::move(snapshot); }
    // "F6ABC du 09/12/26 à 10:11", how the journal names a QSO.
    static QString qsoLabel(QStringView recordLine);

    // Told when the log was changed by another program since the list was
    // read: the list now shows the file, and the operator chooses again.
    static QString changedElsewhereMessage();
    // The QSO number of a log list line (its columns 1-5); 0 when it has none.
    static int listLineNumber(QStringView listLine);
    // Index in `lines` of the line holding `recordLine` (compared as the list
    // shows it): the QSO numbered `qsoNumber` when it does, else the nearest
    // identical line; -1 when none does.
    static qsizetype findQso(const QStringList &lines, const QString &recordLine, int qsoNumber);

    // Sort key of a line's date and time (two-digit years 50-99 are 19xx).
    static qint64 moment(QStringView recordLine);
    // True for a line that holds no QSO (empty or blanks only).
    static bool isBlank(QStringView line);
    // The same for the line's bytes in the code page.
    static bool isBlank(QByteArrayView lineBytes);

private:
    StoreResult failure(const QString &path, const QString &reason) const;
    QList<SettingValue> settingsNow() const { return m_snapshot ? m_snapshot() : QList<SettingValue>{}; }
    QString m_folder;
    FileWriter &m_writer;
    std::function<QList<SettingValue>()> m_snapshot;
};

} // namespace pendrel
