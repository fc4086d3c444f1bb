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

} // namespace

QByteArrayView Record::raw(QByteArrayView name) const
{
    for (const Field &f : fields)
        if (f.name.size() == name.size() && f.name.compare(name, Qt::CaseInsensitive) == 0
            && !isBlankValue(f.value))
            return f.value;
    return {};
}

QString Record::text(QByteArrayView name, bool upper) const
{
    return logSafeText(decode(raw(name), encoding), upper).trimmed();
}

ReadSummary readRecords(QByteArrayView bytes, const RecordSink &sink, const Progress &progress)
{
    ReadSummary summary;
    const qsizetype bom = byteOrderMarkLength(bytes);
    const QByteArrayView body = bytes.sliced(bom);
    summary.encoding = detectEncoding(body);

    Scanner scanner(body, summary.encoding == Encoding::Utf8);
    Record record;
    record.encoding = summary.encoding;
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
