// libFuzzer target: any bytes read as a log file and as one record line. The
// two loading paths (bytes and decoded lines) must agree, every list line must
// turn back into the record it came from, and finding a QSO by its number
// must stay inside the file. Built and run by scripts/fuzz.
#include "core/storage/Cp1252.h"
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/TextFile.h"

#include "FuzzCheck.h"

#include <cstdint>

using namespace pendrel;
using pendrel::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = cp1252::decode(bytes);
    const QStringList lines = splitLines(text);

    // The whole input as a log file: both paths give the same list and totals.
    bool tooManyBytes = false, tooManyLines = false;
    const LogView fromBytes = LogStore::buildView(bytes, &tooManyBytes);
    const LogView fromLines = LogStore::buildView(lines, &tooManyLines);
    check(fromBytes.listLines == fromLines.listLines);
    check(fromBytes.totalPoints == fromLines.totalPoints && fromBytes.bestKmW == fromLines.bestKmW);
    check(tooManyBytes == tooManyLines);

    int number = 0;
    for (const QString &line : lines) {
        if (LogStore::isBlank(line))
            continue;
        ++number;
        const QString listLine = fromLines.listLines.at(number - 1);
        check(listLine.size() <= QsoRecord::ListLineLength);
        check(LogStore::listLineNumber(listLine) == number);
        // The list line is what the edit and delete actions read the QSO from.
        const QsoRecord record = QsoRecord::fromRecordLine(line);
        check(QsoRecord::fromListLine(listLine) == record);
        check(recordLineFromListLine(listLine) == record.recordLine());
        check(listLine == record.listLine(number));
        // The QSO is found at its own number, or at an identical line.
        const qsizetype at = LogStore::findQso(lines, record.recordLine(), number);
        check(at >= 0 && at < lines.size());
        check(QsoRecord::fromRecordLine(lines.at(at)).recordLine() == record.recordLine());
        (void)LogStore::moment(line);
    }
    // Any number, even past the end, finds nothing outside the file.
    if (!lines.isEmpty()) {
        const qsizetype at = LogStore::findQso(lines, lines.first(), int(size % 7) * 1000);
        check(at >= -1 && at < lines.size());
    }
    return 0;
}
