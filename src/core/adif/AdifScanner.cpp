#include "core/adif/AdifScanner.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace pendrel::adif {
namespace {

// Letters, digits and "_": a table, as every byte of every tag's name goes through it.
constexpr std::array<bool, 256> kNameChars = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    return table;
}();

bool isNameChar(char c)
{
    return kNameChars[static_cast<unsigned char>(c)];
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// No real tag comes near these: capping them keeps every look at a tag short,
// however a hostile file is made.
constexpr qsizetype MaxNameLength = 200;
constexpr qsizetype MaxCountDigits = 30;
// Blanks looked across after a counted value for the tag that confirms it.
constexpr qsizetype MaxBlanksAfterValue = 256;

// Whether a tag's name is `word` (three letters), in any case: letters fold
// by bit 5, and no other byte of a name folds onto a letter.
bool isWord(QByteArrayView name, const char (&word)[4])
{
    return name.size() == 3 && (name[0] | 0x20) == (word[0] | 0x20) && (name[1] | 0x20) == (word[1] | 0x20)
           && (name[2] | 0x20) == (word[2] | 0x20);
}

} // namespace

Scanner::Scanner(QByteArrayView bytes) : m_bytes(bytes) {}

// "<" name [":" digits [":" type]] ">", the name of letters, digits and "_".
// The bytes are read through a local pointer: the compiler would otherwise
// load them again after every store into the tag.
bool Scanner::parseTag(qsizetype at, Tag &tag) const
{
    const char *const d = m_bytes.data();
    const qsizetype size = m_bytes.size();
    qsizetype i = at + 1;
    const qsizetype nameStop = stopAt(i + MaxNameLength);
    while (i < nameStop && isNameChar(d[i]))
        ++i;
    if (i == at + 1 || i >= nameStop)
        return false;
    const QByteArrayView name(d + at + 1, i - at - 1);
    bool hasLength = false;
    qsizetype length = 0;
    if (d[i] == ':') {
        ++i;
        const qsizetype digits = i;
        const qsizetype digitStop = stopAt(i + MaxCountDigits);
        while (i < digitStop && d[i] >= '0' && d[i] <= '9') {
            // Capped: a count past the end of the file means "up to the end".
            if (length <= size)
                length = length * 10 + (d[i] - '0');
            ++i;
        }
        if (i == digits || i >= digitStop)
            return false;
        hasLength = true;
        if (d[i] == ':') {
            const qsizetype typeStop = stopAt(++i + MaxNameLength);
            while (i < typeStop && isNameChar(d[i]))
                ++i;
            if (i >= typeStop)
                return false;
        }
    }
    if (d[i] != '>')
        return false;
    tag.name = name;
    tag.hasLength = hasLength;
    tag.length = length;
    tag.end = i + 1;
    tag.kind = Tag::Kind::Field;
    if (!hasLength && isWord(name, "EOR"))
        tag.kind = Tag::Kind::EndOfRecord;
    else if (!hasLength && isWord(name, "EOH"))
        tag.kind = Tag::Kind::EndOfHeader;
    return true;
}

// A tag that ends a value: one with a length, <EOR> or <EOH>; with
// `withoutLength`, any well-formed tag.
inline bool Scanner::tagStartsAt(qsizetype at, bool withoutLength) const
{
    const Tag *tag = readTag(at);
    return tag && (withoutLength || tag->hasLength || tag->kind != Tag::Kind::Field);
}

qsizetype Scanner::nextTagStart(qsizetype from, bool withoutLength) const
{
    const qsizetype size = m_bytes.size();
    while (from < size) {
        const void *hit = std::memchr(m_bytes.data() + from, '<', size_t(size - from));
        if (!hit)
            return stopAt(size);
        from = static_cast<const char *>(hit) - m_bytes.data();
        if (tagStartsAt(from, withoutLength))
            return from;
        ++from;
    }
    return stopAt(size);
}

inline qsizetype Scanner::skipBlanks(qsizetype from) const
{
    const qsizetype stop = stopAt(from + MaxBlanksAfterValue);
    qsizetype i = from;
    while (i < stop && isBlank(m_bytes[i]))
        ++i;
    return i;
}

// How well a value ending at `end` fits what follows it.
inline Scanner::Fit Scanner::fitAt(qsizetype end) const
{
    const qsizetype size = m_bytes.size();
    // Most values are followed by their next tag, or by one blank and the tag.
    const qsizetype next = end < size && m_bytes[end] == '<' ? end : skipBlanks(end);
    if (next >= size || (m_bytes[next] == '<' && tagStartsAt(next, true)))
        return Fit::Sure;
    if (next > end || (m_bytes[end] == '/' && end + 1 < size && m_bytes[end + 1] == '/'))
        return Fit::Likely;
    return Fit::None;
}

// The end of `chars` UTF-8 characters from `begin`, when they are valid UTF-8,
// hold more bytes than characters and end before `limit`; -1 otherwise.
qsizetype Scanner::utf8End(qsizetype begin, qsizetype chars, qsizetype limit) const
{
    qsizetype i = begin;
    bool multiByte = false;
    for (qsizetype n = 0; n < chars; ++n) {
        if (i >= limit)
            return -1;
        ++i;
        while (i < limit && (static_cast<unsigned char>(m_bytes[i]) & 0xC0) == 0x80) {
            multiByte = true;
            ++i;
        }
    }
    if (!multiByte || !m_bytes.sliced(begin, i - begin).isValidUtf8())
        return -1;
    return i;
}

qsizetype Scanner::trimEnd(qsizetype begin, qsizetype end) const
{
    while (end > begin && isBlank(m_bytes[end - 1]))
        --end;
    return end;
}

// Where a value of `length` (bytes or characters) starting at `begin` ends,
// by the rules above; -1 when the count fits neither way.
qsizetype Scanner::countedEnd(qsizetype begin, qsizetype length) const
{
    if (length > m_bytes.size() - begin) {
        m_reachedEnd = true;
        return -1; // no count can pass the end of the file
    }
    const qsizetype byteEnd = begin + length;
    const Fit byteFit = fitAt(byteEnd);
    if (byteFit == Fit::Sure)
        return byteEnd;
    // A likely reading must not run over the next tag.
    const qsizetype limit = nextTagStart(begin, false);
    const qsizetype charEnd = utf8End(begin, length, limit);
    const Fit charFit = charEnd >= 0 ? fitAt(charEnd) : Fit::None;
    if (charFit == Fit::Sure)
        return charEnd;
    if (byteFit == Fit::Likely && byteEnd <= limit)
        return byteEnd;
    if (charFit == Fit::Likely)
        return charEnd;
    return -1;
}

Scanner::Token Scanner::next()
{
    const qsizetype size = m_bytes.size();
    const char *const d = m_bytes.data();
    while (m_pos < size) {
        // Most tags come right after the value before them, or after one blank.
        qsizetype at = m_pos;
        if (d[at] != '<' && !(++at < size && d[at] == '<')) {
            const void *hit = std::memchr(d + at, '<', size_t(size - at));
            if (!hit) {
                m_pos = size;
                break;
            }
            at = static_cast<const char *>(hit) - d;
        }
        const Tag *read = readTag(at);
        if (!read) {
            m_pos = at + 1; // a lone "<" in free text
            continue;
        }
        const Tag tag = *read; // the cache is overwritten by the looks ahead
        m_pos = tag.end;
        if (tag.kind == Tag::Kind::EndOfRecord)
            return Token::EndOfRecord;
        if (tag.kind == Tag::Kind::EndOfHeader)
            return Token::EndOfHeader;

        const qsizetype begin = m_pos;
        qsizetype end = tag.hasLength ? countedEnd(begin, tag.length) : -1;
        if (end >= 0) {
            m_pos = end;
        } else {
            // A tag without a length, or a count that cannot be right: the
            // value runs up to the next tag, blanks before it left out.
            m_pos = nextTagStart(begin, !tag.hasLength);
            end = trimEnd(begin, m_pos);
        }
        m_name = tag.name;
        m_value = m_bytes.sliced(begin, end - begin);
        return Token::Field;
    }
    stopAt(size);
    return Token::End;
}

} // namespace pendrel::adif
