#pragma once
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace pendrel::cp1252 {

// The 8-bit code page of every text file the program reads or writes.
// One byte is one character, so columns stay in place across a round trip.
QString decode(QByteArrayView bytes);
// Decodes `bytes` into the `bytes.size()` characters at `out`.
void decodeInto(QByteArrayView bytes, QChar *out);
bool canEncode(QChar c);
// A byte whose character QString's trimming takes away: the ASCII blanks
// and the no-break space.
inline bool isSpace(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b == ' ' || (b >= '\t' && b <= '\r') || b == 0xA0;
}
// `bytes` without those blanks at either end, as QString's trimming leaves its text.
inline QByteArrayView trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && isSpace(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isSpace(bytes.back()))
        bytes.chop(1);
    return bytes;
}
// Index of the first character windows-1252 cannot hold, or -1.
qsizetype firstUnencodable(QStringView text);
// Upper case, letter by letter, keeping a letter whose capital the code page
// lacks or that would become two letters (µ, ß): the text keeps its length.
QString toUpper(QStringView text);
// Characters outside the code page become `replacement` (must itself encode).
QByteArray encode(QStringView text, char replacement = '?');
// The same, appended to `out`.
void appendEncoded(QByteArray &out, QStringView text, char replacement = '?');

} // namespace pendrel::cp1252
