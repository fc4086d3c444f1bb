#include "core/storage/TextFile.h"

#include "core/storage/Cp1252.h"

#include <QFile>
#include <QSaveFile>

namespace pendrel {

FileBytes readFileBytes(const QString &path)
{
    FileBytes result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = file.exists() ? ReadStatus::Error : ReadStatus::NotFound;
        result.error = result.status == ReadStatus::NotFound ? QStringLiteral("fichier introuvable") : file.errorString();
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadStatus::Error;
        result.error = file.errorString();
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
        out.append(cp1252::encode(l));
        out.append("\r\n", 2);
    }
    return out;
}

bool FileWriter::replaceFile(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool FileWriter::appendToFile(const QString &path, const QByteArray &content, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const qint64 before = file.size();
    if (file.write(content) != content.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
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
