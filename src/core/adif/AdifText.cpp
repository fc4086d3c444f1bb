#include "core/adif/AdifText.h"

#include "core/storage/Cp1252.h"

#include <array>

namespace pendrel::adif {

qsizetype byteOrderMarkLength(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

QString decodeValue(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : cp1252::decode(bytes);
}

namespace {

// Letters that have no decomposition but an obvious plain form.
QChar plainLetter(char32_t c)
{
    switch (c) {
    case 0x0141: return u'L'; // Ł
    case 0x0142: return u'l';
    case 0x0110: return u'D'; // Đ
    case 0x0111: return u'd';
    case 0x0126: return u'H'; // Ħ
    case 0x0127: return u'h';
    case 0x0131: return u'i'; // ı
    case 0x0166: return u'T'; // Ŧ
    case 0x0167: return u't';
    default: return QChar();
    }
}

// The letter under the accents of `c` (NFKD), when the code page holds it.
QChar folded(char32_t c)
{
    if (const QChar p = plainLetter(c); !p.isNull())
        return p;
    const QString parts = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    if (!parts.isEmpty() && !parts[0].isSurrogate() && parts[0].isLetterOrNumber() && cp1252::canEncode(parts[0]))
        return parts[0];
    return u'?';
}

QChar safeChar(char32_t c, bool upper)
{
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return u' ';
    if (c < 0x10000) {
        const QChar plain(static_cast<char16_t>(c));
        if (cp1252::canEncode(plain)) {
            const QChar up = upper ? plain.toUpper() : plain;
            return cp1252::canEncode(up) ? up : plain;
        }
    }
    const QChar f = folded(c);
    return upper ? (cp1252::canEncode(f.toUpper()) ? f.toUpper() : f) : f;
}

} // namespace

QString logSafeText(QStringView text, bool upper)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        out.append(safeChar(c, upper));
    }
    return out;
}

namespace {

// What QByteArrayView::trimmed() takes from the ends, without the call.
QByteArrayView trimmedAscii(QByteArrayView bytes)
{
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    qsizetype begin = 0, end = bytes.size();
    while (begin < end && space(bytes[begin]))
        ++begin;
    while (end > begin && space(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

// Each ASCII byte as a log line holds it: controls made blanks; in the
// second row, letters in upper case too.
constexpr auto kAsciiInLog = [] {
    std::array<std::array<char, 128>, 2> table{};
    for (int c = 0; c < 128; ++c) {
        const char plain = c < 0x20 || c == 0x7F ? ' ' : char(c);
        table[0][c] = plain;
        table[1][c] = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : plain;
    }
    return table;
}();

} // namespace

QByteArrayView logValue(QByteArrayView value, bool upper, QByteArray &buffer)
{
    value = trimmedAscii(value);
    if (buffer.size() < value.size())
        buffer.resize(value.size());
    char *dst = buffer.data();
    const char *inLog = kAsciiInLog[upper].data();
    for (qsizetype i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c >= 0x80) {
            buffer = cp1252::encode(logSafeText(decodeValue(value), upper).trimmed());
            return buffer;
        }
        dst[i] = inLog[c];
    }
    // The value was trimmed: a blank at either end was a control character.
    const QByteArrayView out(dst, value.size());
    return !out.isEmpty() && (out.front() == ' ' || out.back() == ' ') ? trimmedAscii(out) : out;
}

} // namespace pendrel::adif
