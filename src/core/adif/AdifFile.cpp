#include "core/adif/AdifFile.h"
#include "core/storage/SystemError.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace pendrel::adif {
namespace {

AdifFileRead failed(AdifFileRead::Status status, const QString &error = {})
{
    AdifFileRead result;
    result.status = status;
    result.error = error;
    return result;
}

} // namespace

AdifFileRead readAdifFile(const QString &path, const RecordSink &sink, const Progress &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failed(AdifFileRead::Status::Error, frenchFileError(file));
    const bool regular = !file.isSequential();
    const qint64 size = regular ? file.size() : 0;
    const QDateTime modified = QFileInfo(path).lastModified();

    qint64 done = 0;
    bool readFailed = false;
    const ByteSource source = [&](char *into, qint64 max) {
        const qint64 n = file.read(into, max);
        readFailed = n < 0;
        done += std::max<qint64>(n, 0);
        return n;
    };
    AdifFileRead result;
    result.summary = readRecords(source, size, sink, progress);
    if (readFailed)
        return failed(AdifFileRead::Status::Error, frenchFileError(file));
    if (result.summary.cancelled)
        return failed(AdifFileRead::Status::Cancelled);
    if (result.summary.stopped)
        return result; // the caller wanted no more: what follows does not matter

    // A file that reads 0 bytes long (as some system files do) is read to its
    // end like a pipe; any other must end where it ended when opened.
    if (regular && (file.size() != size || (size > 0 && done != size) || QFileInfo(path).lastModified() != modified))
        return failed(AdifFileRead::Status::Changed);
    return result;
}

} // namespace pendrel::adif
