#include "core/adif/AdifFile.h"
#include "core/adif/RecordBatches.h"
#include "core/storage/SystemError.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <thread>
#include <utility>

namespace pendrel::adif {
namespace {

// Records a batch: enough that the threads seldom meet, few enough that
// the first ones are used at once and a cancel is felt.
constexpr qsizetype BatchRecords = 512;

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

    // The file is read and parsed on a thread of its own while the records
    // already read are used on this one (an import's lines are made from
    // them meanwhile); a batch of them at a time crosses over.
    qint64 done = 0;
    bool readFailed = false;
    BatchQueue queue;
    std::thread reader([&] {
        const ByteSource source = [&](char *into, qint64 max) {
            const qint64 n = file.read(into, max);
            readFailed = n < 0;
            done += std::max<qint64>(n, 0);
            return n;
        };
        RecordBatch batch;
        const auto handOver = [&] {
            batch.bytesRead = done;
            return queue.push(std::exchange(batch, queue.emptyBatch()));
        };
        const RecordSink collect = [&](const Record &record) {
            batch.add(record);
            return batch.records() < BatchRecords || handOver();
        };
        const Progress goOn = [&](qint64, qint64) { return !queue.stopped(); };
        readRecords(source, size, collect, goOn);
        if (batch.records() > 0)
            handOver();
        queue.finish();
    });

    AdifFileRead result;
    Record record;
    while (std::optional<RecordBatch> batch = queue.pop()) {
        for (qsizetype i = 0; i < batch->records() && !result.summary.stopped; ++i) {
            batch->recordAt(i, record);
            ++result.summary.records;
            result.summary.stopped = !sink(record);
        }
        const qint64 read = batch->bytesRead;
        queue.giveBack(std::move(*batch));
        if (!result.summary.stopped && progress && !progress(read, std::max(size, read)))
            result.summary.cancelled = true;
        if (result.summary.stopped || result.summary.cancelled) {
            queue.stop();
            break;
        }
    }
    reader.join();
    if (readFailed)
        return failed(AdifFileRead::Status::Error, frenchFileError(file));
    if (result.summary.cancelled)
        return failed(AdifFileRead::Status::Cancelled);
    if (result.summary.stopped)
        return result; // the caller wanted no more: what follows does not matter
    if (progress && !progress(done, std::max(size, done)))
        return failed(AdifFileRead::Status::Cancelled);

    // A file that reads 0 bytes long (as some system files do) is read to its
    // end like a pipe; any other must end where it ended when opened.
    if (regular && (file.size() != size || (size > 0 && done != size) || QFileInfo(path).lastModified() != modified))
        return failed(AdifFileRead::Status::Changed);
    return result;
}

} // namespace pendrel::adif
