#include "core/adif/AdifReader.h"

#include "core/adif/AdifScanner.h"
#include "core/storage/Cp1252.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace pendrel::adif {
namespace {

bool isBlankValue(QByteArrayView value)
{
    for (char c : value)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

bool hasAnyValue(const Record &record)
{
    for (const Field &f : record.fields)
        if (!isBlankValue(f.value))
            return true;
    return false;
}

// How often, in tokens, the progress callback is asked.
constexpr int ProgressEvery = 4096;

// Field names are made of letters, digits and "_", for which setting bit 5
// folds the case and nothing else: two names are the same when their bytes
// differ in that bit at most, compared eight or four bytes at a time.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    const qsizetype n = a.size();
    if (n != b.size())
        return false;
    const char *p = a.data(), *q = b.data();
    const auto differ8 = [&](qsizetype i) {
        return (qFromUnaligned<quint64>(p + i) ^ qFromUnaligned<quint64>(q + i)) & ~0x2020202020202020ULL;
    };
    const auto differ4 = [&](qsizetype i) {
        return (qFromUnaligned<quint32>(p + i) ^ qFromUnaligned<quint32>(q + i)) & ~0x20202020U;
    };
    if (n >= 8) {
        for (qsizetype i = 0; i + 8 < n; i += 8)
            if (differ8(i))
                return false;
        return !differ8(n - 8); // the last eight, over those already compared
    }
    if (n >= 4)
        return !differ4(0) && !differ4(n - 4);
    for (qsizetype i = 0; i < n; ++i)
        if ((p[i] ^ q[i]) & ~0x20)
            return false;
    return true;
}

} // namespace

QByteArrayView Record::raw(QByteArrayView name) const
{
    for (const Field &f : fields)
        if (sameName(f.name, name) && !isBlankValue(f.value))
            return f.value;
    return {};
}

QString Record::text(QByteArrayView name, bool upper) const
{
    QByteArray buffer;
    return cp1252::decode(logValue(raw(name), upper, buffer));
}

FieldNames::FieldNames(std::initializer_list<QByteArrayView> names)
{
    Q_ASSERT(names.size() < Slots / 2);
    for (const QByteArrayView name : names) {
        int slot = slotOf(name);
        while (m_slots[slot] != 0)
            slot = (slot + 1) & (Slots - 1);
        m_names.append(name);
        m_slots[slot] = qint8(m_names.size());
    }
}

int FieldNames::indexOf(QByteArrayView name) const
{
    return find(name);
}

// The look-up itself, where the records are read: one call less a field.
inline int FieldNames::find(QByteArrayView name) const
{
    for (int slot = slotOf(name); m_slots[slot] != 0; slot = (slot + 1) & (Slots - 1))
        if (sameName(m_names[m_slots[slot] - 1], name))
            return m_slots[slot] - 1;
    return -1;
}

void Record::firstValues(const FieldNames &names, QByteArrayView *values) const
{
    std::fill_n(values, names.size(), QByteArrayView());
    for (const Field &f : fields) {
        const int i = names.find(f.name);
        if (i >= 0 && values[i].isNull() && !isBlankValue(f.value))
            values[i] = f.value;
    }
}

namespace {

// Bytes read a piece at a time from a source, the first of them dropped once
// no record needs them.
class Pieces {
public:
    explicit Pieces(const ByteSource &source) : m_source(source) {}

    // Drops the bytes before `keepFrom` of those given last, reads what the
    // source gives (up to a piece, or to as many as are kept), at least as
    // many as are kept: a record longer than a piece is read again only a few
    // times, not once a piece. Gives what is held now.
    QByteArrayView moreFrom(qsizetype keepFrom)
    {
        const qsizetype from = m_start + keepFrom, kept = m_size - from, room = std::max(Piece, kept);
        if (m_bytes.size() < kept + room)
            m_bytes.resize(kept + room);
        std::memmove(m_bytes.data(), m_bytes.constData() + from, size_t(kept));
        m_start = 0;
        m_size = kept;
        do {
            const qint64 n = m_source(m_bytes.data() + m_size, kept + room - m_size);
            m_ended = n <= 0;
            m_size += std::max<qint64>(n, 0);
        } while (!m_ended && m_size < 2 * kept);
        return QByteArrayView(m_bytes.constData(), m_size);
    }
    // Skips the first bytes of the file (a byte order mark).
    QByteArrayView skip(qsizetype n)
    {
        m_start = n;
        return QByteArrayView(m_bytes.constData(), m_size).sliced(n);
    }
    bool ended() const { return m_ended; }

private:
    // Large enough that a big file costs few reads and few records read
    // twice, small enough that a cancel from the progress dialog is felt.
    static constexpr qsizetype Piece = qsizetype(1) << 20;
    const ByteSource &m_source;
    QByteArray m_bytes; // its first m_size bytes are those read
    qsizetype m_start = 0, m_size = 0;
    bool m_ended = false;
};

// The records of `bytes`, which start at `offset` of the file; when `pieces`
// is given, more bytes may follow them.
ReadSummary readFrom(QByteArrayView bytes, qint64 offset, qint64 total, Pieces *pieces, const RecordSink &sink,
                     const Progress &progress)
{
    ReadSummary summary;
    Scanner scanner(bytes);
    Record record;
    qsizetype recordStart = 0; // where the tokens of `record` begin in `bytes`
    int tokens = 0;

    auto deliver = [&]() {
        ++summary.records;
        const bool goOn = sink(record);
        record.fields.clear();
        if (!goOn)
            summary.stopped = true;
        return goOn;
    };

    for (;;) {
        if (progress && ++tokens % ProgressEvery == 0 && !progress(offset + scanner.position(), total)) {
            summary.cancelled = true;
            return summary;
        }
        const Scanner::Token token = scanner.next();
        if (pieces && !pieces->ended() && scanner.reachedEnd()) {
            // The record read so far is read again with the bytes that follow.
            offset += recordStart;
            bytes = pieces->moreFrom(recordStart);
            scanner = Scanner(bytes);
            record.fields.clear();
            recordStart = 0;
            continue;
        }
        switch (token) {
        case Scanner::Token::Field:
            record.fields.append({scanner.name(), scanner.value()});
            break;
        case Scanner::Token::EndOfHeader:
            // What came before was the header (or, later in a file, a stray one).
            record.fields.clear();
            recordStart = scanner.position();
            break;
        case Scanner::Token::EndOfRecord:
            if (!record.fields.isEmpty() && !deliver())
                return summary;
            recordStart = scanner.position();
            break;
        case Scanner::Token::End:
            // A last record that was never closed by <EOR>.
            if (hasAnyValue(record))
                deliver();
            const qint64 done = offset + bytes.size();
            if (progress && !summary.stopped && !progress(done, std::max(total, done)))
                summary.cancelled = true;
            return summary;
        }
    }
}

} // namespace

ReadSummary readRecords(QByteArrayView bytes, const RecordSink &sink, const Progress &progress)
{
    const qsizetype bom = byteOrderMarkLength(bytes);
    return readFrom(bytes.sliced(bom), bom, bytes.size(), nullptr, sink, progress);
}

ReadSummary readRecords(const ByteSource &source, qint64 total, const RecordSink &sink, const Progress &progress)
{
    Pieces pieces(source);
    QByteArrayView first = pieces.moreFrom(0);
    while (first.size() < 3 && !pieces.ended()) // enough to know whether it starts with a byte order mark
        first = pieces.moreFrom(0);
    const qsizetype bom = byteOrderMarkLength(first);
    return readFrom(pieces.skip(bom), bom, total, &pieces, sink, progress);
}

} // namespace pendrel::adif
