#pragma once
#include "core/adif/AdifText.h"

#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>
#include <array>
#include <initializer_list>
#include <functional>

namespace pendrel::adif {

struct Field {
    QByteArrayView name;  // as written, any case
    QByteArrayView value; // the bytes of the value
};

// Names to find among the fields of records (any case), set once: a name is
// found by a short hash of its length and its first and last letters.
class FieldNames {
public:
    FieldNames(std::initializer_list<QByteArrayView> names);
    qsizetype size() const { return m_names.size(); }
    // The index of `name` among them, or -1.
    int indexOf(QByteArrayView name) const;

private:
    friend class Record;
    int find(QByteArrayView name) const;
    static constexpr int Slots = 64; // a power of two, well above the names
    static int slotOf(QByteArrayView name)
    {
        if (name.isEmpty())
            return 0;
        const auto folded = [](char c) { return int(static_cast<unsigned char>(c) | 0x20); };
        return int((name.size() * 7 + folded(name.front()) * 3 + folded(name.back())) & (Slots - 1));
    }
    QVarLengthArray<QByteArrayView, 16> m_names;
    std::array<qint8, Slots> m_slots{}; // 1 + the index of the name put there; 0: free
};

// One ADIF record as read: its fields in file order, still as bytes, so that
// only the fields a caller asks for are ever decoded.
class Record {
public:
    QVarLengthArray<Field, 48> fields;

    // The first value of `name` (any case) that is not blank; empty when none.
    QByteArrayView raw(QByteArrayView name) const;
    // That value as a log line holds it (see logValue).
    QString text(QByteArrayView name, bool upper = false) const;
    // The first value not blank of each of `names` into `values` (as many),
    // null when none: one pass over the fields for all the names.
    void firstValues(const FieldNames &names, QByteArrayView *values) const;
    bool hasValue(QByteArrayView name) const { return !raw(name).isEmpty(); }
};

// Progress of a read: bytes done out of the total. Returning false cancels.
using Progress = std::function<bool(qint64 done, qint64 total)>;
// Receives each record; returning false stops the read there.
using RecordSink = std::function<bool(const Record &)>;

struct ReadSummary {
    qsizetype records = 0;
    bool cancelled = false; // by the progress callback
    bool stopped = false;   // by the sink
};

// Reads every record of an ADIF file held in `bytes`.
// Fields before the first <EOH> form the header; a file without <EOH> (no
// header at all, or one that starts with "<") has its records from the start.
// A last record without <EOR> counts when one of its values is not blank; a
// record is never read from what a banner or a trailing note holds.
ReadSummary readRecords(QByteArrayView bytes, const RecordSink &sink, const Progress &progress = {});

// Gives the next bytes of a file: at most `max` of them into `into`; returns
// how many (0 at its end, -1 on an error, which ends the read there).
using ByteSource = std::function<qint64(char *into, qint64 max)>;

// The same records from bytes that come a piece at a time, `total` of them
// when that is known (0 otherwise): only the record being read and the piece
// after it are held. A record is handed out once the bytes after it can no
// longer change how it reads, so the records are those of the whole file.
ReadSummary readRecords(const ByteSource &source, qint64 total, const RecordSink &sink,
                        const Progress &progress = {});

} // namespace pendrel::adif
