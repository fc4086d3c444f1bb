#include "core/adif/RecordBatches.h"

namespace pendrel::adif {

void RecordBatch::add(const Record &record)
{
    // The fields lie in order in the reader's bytes: the stretch from the
    // first name to the last value is copied at once. The spans are written
    // in place, the list grown once a record.
    if (!record.fields.isEmpty()) {
        const char *first = record.fields.front().name.data();
        const Field &last = record.fields.back();
        const qsizetype at = m_bytes.size(), size = last.value.data() + last.value.size() - first;
        Q_ASSERT(size >= 0);
        m_bytes.append(first, size);
        const qsizetype count = m_fields.size();
        m_fields.resize(count + record.fields.size());
        Span *span = m_fields.data() + count;
        for (const Field &f : record.fields)
            *span++ = {at + (f.name.data() - first), f.name.size(), at + (f.value.data() - first), f.value.size()};
    }
    m_ends.append(m_fields.size());
}

void RecordBatch::clear()
{
    m_bytes.resize(0);
    m_fields.resize(0);
    m_ends.resize(0);
    bytesRead = 0;
}

void RecordBatch::recordAt(qsizetype i, Record &into) const
{
    const qsizetype begin = i == 0 ? 0 : m_ends[i - 1];
    into.fields.resize(m_ends[i] - begin);
    const char *bytes = m_bytes.constData();
    const Span *span = m_fields.constData() + begin;
    for (Field &f : into.fields) {
        f = {QByteArrayView(bytes + span->nameAt, span->nameSize), QByteArrayView(bytes + span->valueAt, span->valueSize)};
        ++span;
    }
}

bool BatchQueue::push(RecordBatch batch)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_stopped || m_batches.size() < MaxQueued; });
    if (m_stopped)
        return false;
    m_batches.push_back(std::move(batch));
    m_changed.notify_all();
    return true;
}

std::optional<RecordBatch> BatchQueue::pop()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_finished || !m_batches.empty(); });
    if (m_batches.empty())
        return std::nullopt;
    RecordBatch batch = std::move(m_batches.front());
    m_batches.pop_front();
    m_changed.notify_all();
    return batch;
}

void BatchQueue::giveBack(RecordBatch batch)
{
    batch.clear();
    const std::lock_guard lock(m_mutex);
    if (m_spare.size() < MaxQueued)
        m_spare.push_back(std::move(batch));
}

RecordBatch BatchQueue::emptyBatch()
{
    const std::lock_guard lock(m_mutex);
    if (m_spare.empty())
        return {};
    RecordBatch batch = std::move(m_spare.back());
    m_spare.pop_back();
    return batch;
}

void BatchQueue::finish()
{
    const std::lock_guard lock(m_mutex);
    m_finished = true;
    m_changed.notify_all();
}

void BatchQueue::stop()
{
    const std::lock_guard lock(m_mutex);
    m_stopped = true;
    m_batches.clear();
    m_changed.notify_all();
}

bool BatchQueue::stopped() const
{
    const std::lock_guard lock(m_mutex);
    return m_stopped;
}

} // namespace pendrel::adif
