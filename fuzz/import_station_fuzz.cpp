// libFuzzer target: the line builder of the ADIF import fed hostile station
// settings (a hand-edited settings file: a power of hundreds of digits, a
// locator of any characters) beside any records. Every line it builds must
// keep the record layout, and nothing may overflow or crash. Built and run by
// scripts/fuzz.
#include "core/adif/AdifQsoLine.h"
#include "core/adif/AdifReader.h"
#include "core/storage/Cp1252.h"
#include "core/storage/QsoRecord.h"

#include "FuzzCheck.h"

#include <cstdint>

using namespace pendrel;
using pendrel::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Input: power, 0x00, locator, 0x00, one byte of kind and month, then the ADIF records.
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype powerEnd = bytes.indexOf('\0');
    if (powerEnd < 0)
        return 0;
    const qsizetype locatorEnd = bytes.indexOf('\0', powerEnd + 1);
    if (locatorEnd < 0 || locatorEnd + 1 >= bytes.size())
        return 0;
    const auto flags = static_cast<unsigned char>(bytes[locatorEnd + 1]);
    adif::ImportStation station;
    station.power = cp1252::decode(bytes.first(powerEnd));
    station.ownLocator = cp1252::decode(bytes.sliced(powerEnd + 1, locatorEnd - powerEnd - 1));
    station.kind = (flags & 1) ? StationKind::Portable : StationKind::Fixed;
    station.currentMonth = 1 + (flags >> 1) % 12;

    adif::QsoLineBuilder builder(station);
    adif::readRecords(bytes.sliced(locatorEnd + 2), [&](const adif::Record &record) {
        QByteArray bytes;
        const bool made = builder.appendLine(record, bytes);
        check(made ? bytes.size() == QsoRecord::RecordLineLength + 2 : bytes.isEmpty());
        if (made) {
            const QString line = cp1252::decode(bytes);
            // The power column holds digits only (or the text of a value no
            // number can hold), never a sign from an overflow.
            check(!recordField(line, RecordColumn::Pwr).contains(u'-'));
            check(!recordField(line, RecordColumn::KmW).contains(u'-'));
        }
        return true;
    });
    return 0;
}
