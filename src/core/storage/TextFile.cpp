#include "core/storage/TextFile.h"

#include "core/storage/Cp1252.h"
#include "core/storage/SystemError.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pendrel {

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number((bytes + 999999) / 1000000);
}

FileBytes failedRead(ReadStatus status, QString error)
{
    FileBytes result;
    result.status = status;
    result.error = std::move(error);
    return result;
}

// Why a file of that kind and size is not read; empty when it may be.
QString readRefusal(const struct stat &info, qint64 maxBytes)
{
    if (S_ISDIR(info.st_mode))
        return frenchSystemError(EISDIR);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("ce n'est pas un fichier ordinaire mais un tube, un périphérique ou une socket");
    if (maxBytes >= 0 && info.st_size > maxBytes)
        return QStringLiteral("fichier de %1 Mo, plus grand que ne peut l'être un log de 99999 QSO (%2 Mo) : "
                              "il n'a pas été lu")
            .arg(megabytes(info.st_size), megabytes(maxBytes / 2));
    return {};
}

} // namespace

namespace {

// Opens `path` for reading, refusing what is not a regular file of at most
// `maxBytes`; the descriptor (or -1) and, on success, the file's size.
struct OpenedFile {
    int fd = -1;
    qint64 size = 0;
    ReadStatus status = ReadStatus::Ok;
    QString error;
};

OpenedFile openForReading(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a device can act on it, and a
    // pipe would wait for a writer.
    struct stat info{};
    if (::stat(name.constData(), &info) == 0) {
        if (const QString refusal = readRefusal(info, maxBytes); !refusal.isEmpty())
            return {-1, 0, ReadStatus::Error, refusal};
    }
    // Opened without waiting, and looked at again: it may have been swapped meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int err = errno;
        return err == ENOENT ? OpenedFile{-1, 0, ReadStatus::NotFound, QStringLiteral("fichier introuvable")}
                             : OpenedFile{-1, 0, ReadStatus::Error, frenchSystemError(err)};
    }
    const QString refusal = ::fstat(fd, &info) != 0 ? frenchSystemError(errno) : readRefusal(info, maxBytes);
    if (!refusal.isEmpty()) {
        ::close(fd);
        return {-1, 0, ReadStatus::Error, refusal};
    }
    return {fd, qint64(info.st_size), ReadStatus::Ok, {}};
}

} // namespace

FileBytes readFileBytes(const QString &path, qint64 maxBytes)
{
    const OpenedFile opened = openForReading(path, maxBytes);
    if (opened.fd < 0)
        return failedRead(opened.status, opened.error);
    FileBytes result;
    QFile file;
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
        return failedRead(ReadStatus::Error, frenchFileError(file));
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadStatus::Error;
        result.error = frenchFileError(file);
        result.bytes.clear();
    }
    return result;
}

ReadOutcome forEachTextLine(const QString &path, const std::function<bool(const QString &)> &visit)
{
    return forEachByteLine(path, [&visit](QByteArrayView bytes) {
        // A new string each time: a caller that keeps the line keeps it without a copy.
        QString line(bytes.size(), Qt::Uninitialized);
        cp1252::decodeInto(bytes, line.data());
        return visit(line);
    });
}

ReadOutcome forEachByteLine(const QString &path, const std::function<bool(QByteArrayView)> &visit)
{
    const OpenedFile opened = openForReading(path, MaxTextFileBytes);
    if (opened.fd < 0)
        return {opened.status, opened.error};
    QFile file;
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
        return {ReadStatus::Error, frenchFileError(file)};
    }
    constexpr qint64 Chunk = 1 << 18;
    QByteArray buffer(Chunk, Qt::Uninitialized), pending;
    // Only the bytes the file held when it was opened: a QSO another writer
    // appends meanwhile is not seen half written. A rewrite replaces the file
    // by a new one and leaves this one whole.
    qint64 left = opened.size;
    auto deliver = [&](QByteArrayView bytes) {
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        return visit(bytes);
    };
    while (left > 0) {
        const qint64 got = file.read(buffer.data(), std::min(Chunk, left));
        if (got < 0)
            return {ReadStatus::Error, frenchFileError(file)};
        if (got == 0)
            break; // cut short meanwhile: what was there is read
        left -= got;
        QByteArrayView chunk(buffer.constData(), got);
        qsizetype start = 0;
        for (qsizetype end; (end = chunk.indexOf('\n', start)) >= 0; start = end + 1) {
            const QByteArrayView piece = chunk.sliced(start, end - start);
            const bool more = pending.isEmpty() ? deliver(piece) : deliver(pending.append(piece));
            pending.clear();
            if (!more)
                return {};
        }
        pending.append(chunk.sliced(start));
    }
    if (!pending.isEmpty())
        deliver(pending); // a last line without its line end counts
    return {};
}

TextLines readTextLines(const QString &path)
{
    FileBytes file = readFileBytes(path);
    TextLines result;
    result.status = file.status;
    result.error = file.error;
    result.lines = splitLines(cp1252::decode(file.bytes));
    return result;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == u'\r')
            --stop;
        lines.append(text.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray out;
    qsizetype size = 0;
    for (const QString &l : lines)
        size += l.size() + 2;
    out.reserve(size);
    for (const QString &l : lines) {
        cp1252::appendEncoded(out, l);
        out.append("\r\n", 2);
    }
    return out;
}

namespace {

// The access bits of an existing file (owner, group, others), which a rewrite
// keeps: the new copy would otherwise take the defaults of a new file, so
// that a rewrite as root made a read-only log writable.
constexpr QFileDevice::Permissions AccessBits =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
    | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther
    | QFileDevice::ExeOther;

bool failed(const QFileDevice &file, QString *error)
{
    if (error)
        *error = frenchFileError(file);
    return false;
}

bool refused(const QString &reason, QString *error)
{
    if (error)
        *error = reason;
    return false;
}

// Why `path` must not be written: a symbolic link that resolves out of the
// folder the file is named in (or to nothing). Empty when it may be written.
QString linkRefusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return {};
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    const QString resolved = info.canonicalFilePath();
    if (!resolved.isEmpty() && !folder.isEmpty() && resolved.startsWith(folder + u'/'))
        return {};
    return QStringLiteral("c'est un lien vers %1, hors de son dossier : Pendrel n'écrit pas au travers d'un tel lien")
        .arg(QDir::toNativeSeparators(info.symLinkTarget()));
}

bool hasOtherNames(const QString &path)
{
    struct stat info{};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && info.st_nlink > 1;
}

} // namespace

bool FileWriter::replaceFile(const QString &path, const QByteArray &content, QString *error)
{
    if (const QString link = linkRefusal(path); !link.isEmpty())
        return refused(link, error);
    const QFileInfo before(path);
    const bool existed = before.exists() && before.isFile();
    const QFileDevice::Permissions access = before.permissions() & AccessBits;
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        failed(file, error);
        file.cancelWriting();
        return false;
    }
    if (existed && (QFileInfo(path).permissions() & AccessBits) != access)
        QFile::setPermissions(path, access);
    return true;
}

bool FileWriter::appendToFile(const QString &path, const QByteArray &content, QString *error)
{
    if (const QString link = linkRefusal(path); !link.isEmpty())
        return refused(link, error);
    if (hasOtherNames(path)) {
        // Appending would change every name of the file; a rewrite gives this
        // name its own copy.
        const FileBytes old = readFileBytes(path, NoSizeLimit);
        if (old.status != ReadStatus::Ok)
            return refused(old.error, error);
        return replaceFile(path, old.bytes + content, error);
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return failed(file, error);
    const qint64 before = file.size();
    if (file.write(content) != content.size() || !file.flush()) {
        failed(file, error);
        file.resize(before);
        return false;
    }
    return true;
}

FileWriter &FileWriter::standard()
{
    static FileWriter writer;
    return writer;
}

} // namespace pendrel
