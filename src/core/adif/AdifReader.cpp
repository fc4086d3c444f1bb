#include "core/adif/AdifReader.h"

#include "core/adif/AdifScanner.h"

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
// folds the case and nothing else.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20))
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
    QString out;
    text(name, upper, out);
    return out;
}

void Record::text(QByteArrayView name, bool upper, QString &into) const
{
    const QByteArrayView value = raw(name).trimmed();
    // Most values are plain ASCII: one pass, into the buffer already there.
    into.resize(value.size());
    QChar *dst = into.data();
    for (qsizetype i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            into = logSafeText(decodeValue(value), upper).trimmed();
            return;
        }
        if (c < 0x20 || c == 0x7F)
            c = ' ';
        else if (upper && c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        dst[i] = QLatin1Char(c);
    }
    // A control character at either end has become a blank.
    if (!into.isEmpty() && (into.front() == u' ' || into.back() == u' '))
        into = into.trimmed();
}

ReadSummary readRecords(QByteArrayView bytes, const RecordSink &sink, const Progress &progress)
{
    ReadSummary summary;
    const qsizetype bom = byteOrderMarkLength(bytes);
    const QByteArrayView body = bytes.sliced(bom);
    Scanner scanner(body);
    Record record;
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
        if (progress && ++tokens % ProgressEvery == 0 && !progress(bom + scanner.position(), bytes.size())) {
            summary.cancelled = true;
            return summary;
        }
        switch (scanner.next()) {
        case Scanner::Token::Field:
            record.fields.append({scanner.name(), scanner.value()});
            break;
        case Scanner::Token::EndOfHeader:
            // What came before was the header (or, later in a file, a stray one).
            record.fields.clear();
            break;
        case Scanner::Token::EndOfRecord:
            if (!record.fields.isEmpty() && !deliver())
                return summary;
            break;
        case Scanner::Token::End:
            // A last record that was never closed by <EOR>.
            if (hasAnyValue(record))
                deliver();
            if (progress && !summary.stopped && !progress(bytes.size(), bytes.size()))
                summary.cancelled = true;
            return summary;
        }
    }
}

} // namespace pendrel::adif
