#pragma once
#include "core/storage/TextFile.h"

#include <QString>
#include <QStringList>

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

    StoreResult AppendQso(const QString &callsign, StationKind kind, const QString &recordLine) const;
    StoreResult ReplaceQso(const QString &callsign, StationKind kind, const QString &newLine,
                           const QString &oldLine) const;
    StoreResult DeleteQso(const QString &callsign, StationKind kind, const QString &recordLine) const;
    StoreResult InsertQsoByDate(const QString &callsign, StationKind kind, const QString &recordLine) const;
    // Creates whichever of the two log files is missing, as a copy of FXXXX.txt.
    StoreResult CreateLogFiles(const QString &callsign) const;

    // Replaces the whole log file with `lines` in one atomic step.
    StoreResult rewrite(const QString &path, const QStringList &lines) const;

    // Sort key of a line's date and time (two-digit years 50-99 are 19xx).
    static qint64 moment(QStringView recordLine);
    // True for a line that holds no QSO (empty or blanks only).
    static bool isBlank(QStringView line);

private:
    StoreResult failure(const QString &path, const QString &reason) const;
    QString m_folder;
    FileWriter &m_writer;
};

} // namespace pendrel
