#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace pendrel {

// Reading and writing the program's text files: windows-1252, CR LF.
enum class ReadStatus { Ok, NotFound, Error };

struct TextLines {
    ReadStatus status = ReadStatus::Ok;
    QStringList lines;  // without their line ends; a last line without CR LF counts
    QString error;      // system reason when status is Error
};

struct FileBytes {
    ReadStatus status = ReadStatus::Ok;
    QByteArray bytes;
    QString error;
};

// No file the program keeps is larger: twice what a log of 99,999 record
// lines takes, room for the blank lines and stray text of a hand edit. A larger
// file (a sparse 2 GB one, a log swapped for a disk image) is refused before it
// is read, instead of filling the memory.
inline constexpr qint64 MaxTextFileBytes = 2 * qint64(99999) * (136 + 2);
inline constexpr qint64 NoSizeLimit = -1;

// Reads a whole file. Only a regular file is read: a pipe, a device or a socket
// is refused at once, never waited on.
FileBytes readFileBytes(const QString &path, qint64 maxBytes = MaxTextFileBytes);
TextLines readTextLines(const QString &path);

struct ReadOutcome {
    ReadStatus status = ReadStatus::Ok;
    QString error;
};
// Reads `path` as readTextLines does, one line at a time, without holding the
// file's text: each line is handed to `visit`, which returns false to stop.
// The lines are those the file held when it was opened.
ReadOutcome forEachTextLine(const QString &path, const std::function<bool(const QString &)> &visit);
// The same with each line as the file's bytes, without its line end.
ReadOutcome forEachByteLine(const QString &path, const std::function<bool(QByteArrayView)> &visit);
// Calls `visit` with each line of `bytes` (split on LF, the CR before it
// dropped; a last line without its line end counts).
template <typename Visit>
void forEachLine(QByteArrayView bytes, Visit &&visit)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const qsizetype stop = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
        visit(bytes.sliced(start, stop - start));
        start = end + 1;
    }
}
// Splits decoded text into lines on LF, dropping the CR before it.
QStringList splitLines(const QString &text);
// Each line encoded and followed by CR LF.
QByteArray encodeLines(const QStringList &lines);

// The write seam of every file the program changes. The default writes
// through QSaveFile (complete temporary copy, then atomic rename); tests
// substitute a writer that fails. It never writes through a symbolic link
// that leads out of the folder the file is named in (a log linked to a system
// file), and an append to a file with other hard links rewrites it instead,
// so that the other names keep their content.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Replaces `path` with `content` in one atomic step; on failure the file is as before.
    virtual bool replaceFile(const QString &path, const QByteArray &content, QString *error);
    // Appends `content`; on failure the file is cut back to its former size.
    virtual bool appendToFile(const QString &path, const QByteArray &content, QString *error);

    static FileWriter &standard();
};

} // namespace pendrel
