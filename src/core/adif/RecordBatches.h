#pragma once
#include "core/adif/AdifReader.h"

#include <QByteArray>
#include <QList>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace pendrel::adif {

// Records copied out of the reader's bytes, so that they can be used on
// another thread while the reader goes on: their names and values one after
// the other in `bytes`, each record's fields in order.
class RecordBatch {
public:
    void add(const Record &record);
    // Empties it and keeps its memory, for the next batch.
    void clear();
    qsizetype records() const { return m_ends.size(); }
    // Record `i` as read, its views into this batch.
    void recordAt(qsizetype i, Record &into) const;
    qint64 bytesRead = 0; // of the file, when the batch was handed over

private:
    struct Span {
        qsizetype nameAt, nameSize, valueAt, valueSize;
    };
    QByteArray m_bytes;
    QList<Span> m_fields;
    QList<qsizetype> m_ends; // where each record's fields end in m_fields
};

// The batches between the thread that reads and the one that uses them. The
// reader waits while a few batches are queued, so that a reader faster than
// its user holds little; either side can end the exchange.
class BatchQueue {
public:
    // Waits for room; false once the user has stopped (the batch is dropped).
    bool push(RecordBatch batch);
    // Waits for a batch; none once the reader has finished and all are taken.
    std::optional<RecordBatch> pop();
    // Batches used are given back and filled again: a new one would be
    // allocated and faulted in, page by page, for every 512 records.
    void giveBack(RecordBatch batch);
    // A batch given back, emptied, or a new one when none is there.
    RecordBatch emptyBatch();
    void finish(); // the reader has no more
    void stop();   // the user wants no more
    bool stopped() const;

private:
    static constexpr qsizetype MaxQueued = 4;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<RecordBatch> m_batches;
    std::vector<RecordBatch> m_spare;
    bool m_finished = false, m_stopped = false;
};

} // namespace pendrel::adif
