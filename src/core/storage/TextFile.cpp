#include "core/storage/TextFile.h"

#include "core/storage/Cp1252.h"
#include "core/storage/SystemError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace pendrel {

FileBytes readFileBytes(const QString &path)
{
    FileBytes result;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = file.exists() ? ReadStatus::Error : ReadStatus::NotFound;
        result.error = frenchFileError(file);
        if (result.status == ReadStatus::NotFound)
            result.error = QStringLiteral("fichier introuvable");
        else if (QFileInfo(path).isDir()) // opened by the system, refused by Qt: no errno
            result.error = frenchSystemError(EISDIR);
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadStatus::Error;
        result.error = frenchFileError(file);
        result.bytes.clear();
    }
    return result;
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

} // namespace

bool FileWriter::replaceFile(const QString &path, const QByteArray &content, QString *error)
{
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
