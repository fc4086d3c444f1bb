#pragma once
#include <QByteArrayView>
#include <QString>

namespace pendrel::adif {

// Length of a UTF-8 byte-order mark at the start of `bytes` (0 or 3).
qsizetype byteOrderMarkLength(QByteArrayView bytes);

// One value as text: UTF-8 when its bytes are valid UTF-8, windows-1252
// otherwise (what older loggers write). Decided value by value, so that one
// stray byte in one record does not garble the accents of every other.
QString decodeValue(QByteArrayView bytes);

// `text` made fit for a log file, one character for one character so that no
// column moves: control characters become blanks; a character windows-1252
// cannot hold becomes its unaccented letter when it has one (Ł -> L), else "?".
// With `upper`, letters are also put in upper case where windows-1252 has it.
QString logSafeText(QStringView text, bool upper);

// A value as a log line holds it: trimmed, decoded (decodeValue), made fit for
// the log (logSafeText, upper case with `upper`) and trimmed again, in the
// log's code page. Most values are plain ASCII and are done in one pass in
// `buffer`, reused from one value to the next. A view into `buffer`.
QByteArrayView logValue(QByteArrayView value, bool upper, QByteArray &buffer);

} // namespace pendrel::adif
