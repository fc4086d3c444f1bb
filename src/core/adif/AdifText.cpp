#include "core/adif/AdifText.h"

#include "core/storage/Cp1252.h"

namespace pendrel::adif {

qsizetype byteOrderMarkLength(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

Encoding detectEncoding(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? Encoding::Utf8 : Encoding::Windows1252;
}

QString decode(QByteArrayView bytes, Encoding encoding)
{
    return encoding == Encoding::Utf8 ? QString::fromUtf8(bytes) : cp1252::decode(bytes);
}

namespace {

// The letter under the accents of `c` (NFKD), when the code page holds it.
QChar folded(char32_t c)
{
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

} // namespace pendrel::adif
