#include "core/storage/Cp1252.h"

#include <algorithm>

#include <array>

namespace pendrel::cp1252 {
namespace {

// Bytes 0x80-0x9F; the five bytes windows-1252 leaves undefined map to the
// C1 control of the same value so that any file reads back byte for byte.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

// Every byte's character, so that decoding, on the path of every log load, is one look-up per byte.
constexpr std::array<char16_t, 256> kDecode = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b);
    return table;
}();

} // namespace

void decodeInto(QByteArrayView bytes, QChar *out)
{
    const auto *src = reinterpret_cast<const unsigned char *>(bytes.data());
    auto *dst = reinterpret_cast<char16_t *>(out);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = kDecode[src[i]];
}

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    decodeInto(bytes, out.data());
    return out;
}

bool canEncode(QChar c)
{
    return byteFor(c.unicode()) >= 0;
}

qsizetype firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!canEncode(text[i]))
            return i;
    return -1;
}

QString toUpper(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        const QChar upper = c.toUpper();
        if (canEncode(upper))
            c = upper;
    }
    return out;
}

QByteArray encode(QStringView text, char replacement)
{
    QByteArray out;
    appendEncoded(out, text, replacement);
    return out;
}

void appendEncoded(QByteArray &out, QStringView text, char replacement)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char *dst = out.data() + at;
    // Most text is ASCII: told at once and narrowed in a loop the compiler
    // vectorises; the look-up is for the rest.
    char16_t any = 0;
    for (const QChar c : text)
        any |= c.unicode();
    if (any < 0x80) {
        std::transform(text.begin(), text.end(), dst, [](QChar c) { return char(c.unicode()); });
        return;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const int b = u < 0x80 ? u : byteFor(u);
        dst[i] = b < 0 ? replacement : static_cast<char>(b);
    }
}

} // namespace pendrel::cp1252
