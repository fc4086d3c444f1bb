// libFuzzer target: any bytes through the ADIF reader and the import's line
// builder. Built and run by scripts/fuzz, outside the normal build.
#include "core/adif/AdifQsoLine.h"
#include "core/adif/AdifReader.h"
#include "core/storage/QsoRecord.h"

#include "FuzzCheck.h"

#include <algorithm>
#include <cstdint>

using namespace pendrel;
using pendrel::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    adif::QsoLineBuilder builder({size % 2 ? StationKind::Portable : StationKind::Fixed, QStringLiteral("JN18GU"),
                                  QStringLiteral("5"), int(size % 12) + 1});
    qint64 lastDone = 0;
    adif::readRecords(
        bytes,
        [&](const adif::Record &record) {
            for (const adif::Field &f : record.fields) {
                // Every view lies inside the input.
                check(f.name.data() >= bytes.data() && f.name.data() + f.name.size() <= bytes.data() + bytes.size());
                check(f.value.data() >= bytes.data() && f.value.data() + f.value.size() <= bytes.data() + bytes.size());
                check(!f.name.isEmpty());
                (void)record.text(f.name, true);
            }
            QByteArray line;
            const bool made = builder.appendLine(record, line);
            check(made ? line.size() == QsoRecord::RecordLineLength + 2 && line.endsWith("\r\n") : line.isEmpty());
            return true;
        },
        [&](qint64 done, qint64 total) {
            check(done >= lastDone && done <= total && total == qint64(size));
            lastDone = done;
            return true;
        });
    (void)builder.messages();

    // Given a few bytes at a time, as by a slow pipe, the records are the same.
    const auto fieldsOf = [](const adif::Record &record) {
        QByteArrayList fields;
        for (const adif::Field &f : record.fields)
            fields.append(f.name.toByteArray() + '=' + f.value.toByteArray());
        return fields;
    };
    QList<QByteArrayList> whole, pieces;
    adif::readRecords(bytes, [&](const adif::Record &r) { return whole.append(fieldsOf(r)), true; });
    const qsizetype piece = size == 0 ? 1 : 1 + data[0] % 97;
    qsizetype at = 0;
    adif::readRecords(
        [&](char *into, qint64 max) {
            const qsizetype n = std::min({piece, qsizetype(max), bytes.size() - at});
            std::copy_n(bytes.data() + at, n, into);
            at += n;
            return qint64(n);
        },
        bytes.size(), [&](const adif::Record &r) { return pieces.append(fieldsOf(r)), true; });
    check(pieces == whole);
    return 0;
}
