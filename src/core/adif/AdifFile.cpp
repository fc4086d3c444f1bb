#include "core/adif/AdifFile.h"
#include "core/storage/SystemError.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace pendrel::adif {
namespace {

// Large enough that a big file costs few calls, small enough that a cancel
// from the progress dialog is felt at once.
constexpr qsizetype ChunkBytes = qsizetype(1) << 20;

AdifFileBytes failed(AdifFileBytes::Status status, const QString &error = {})
{
    AdifFileBytes result;
    result.status = status;
    result.error = error;
    return result;
}

} // namespace

AdifFileBytes readAdifFile(const QString &path, const Progress &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failed(AdifFileBytes::Status::Error, frenchFileError(file));
    const bool regular = !file.isSequential();
    const qint64 size = regular ? file.size() : 0;
    const QDateTime modified = QFileInfo(path).lastModified();

    AdifFileBytes result;
    QByteArray &bytes = result.bytes;
    bytes.resize(size > 0 ? size : ChunkBytes);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) {
            // The buffer is full: one more byte says whether the file goes on.
            char extra = 0;
            const qint64 n = file.read(&extra, 1);
            if (n < 0)
                return failed(AdifFileBytes::Status::Error, frenchFileError(file));
            if (n == 0)
                break;
            bytes.resize(bytes.size() + std::max(ChunkBytes, bytes.size() / 2));
            bytes[done++] = extra;
            continue;
        }
        const qint64 n = file.read(bytes.data() + done, std::min(ChunkBytes, bytes.size() - done));
        if (n < 0)
            return failed(AdifFileBytes::Status::Error, frenchFileError(file));
        if (n == 0)
            break;
        done += n;
        if (progress && !progress(done, size))
            return failed(AdifFileBytes::Status::Cancelled);
    }
    bytes.truncate(done);

    // A file that reads 0 bytes long (as some system files do) is read to its
    // end like a pipe; any other must end where it ended when opened.
    if (regular && (file.size() != size || (size > 0 && done != size) || QFileInfo(path).lastModified() != modified))
        return failed(AdifFileBytes::Status::Changed);
    return result;
}

} // namespace pendrel::adif
