#include "core/adif/AdifScanner.h"

#include <algorithm>
#include <cstring>

namespace pendrel::adif {
namespace {

bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool sameName(QByteArrayView a, const char *b)
{
    return a.compare(QByteArrayView(b), Qt::CaseInsensitive) == 0;
}

} // namespace

Scanner::Scanner(QByteArrayView bytes, bool utf8) : m_bytes(bytes), m_utf8(utf8) {}

bool Scanner::readTag(qsizetype at, Tag &tag) const
{
    if (at != m_cachedAt) {
        m_cachedOk = parseTag(at, m_cached);
        m_cachedAt = at;
    }
    tag = m_cached;
    return m_cachedOk;
}

// "<" name [":" digits [":" type]] ">", the name of letters, digits and "_".
bool Scanner::parseTag(qsizetype at, Tag &tag) const
{
    const qsizetype size = m_bytes.size();
    qsizetype i = at + 1;
    while (i < size && isNameChar(m_bytes[i]))
        ++i;
    if (i == at + 1 || i >= size)
        return false;
    tag.name = m_bytes.sliced(at + 1, i - at - 1);
    tag.hasLength = false;
    tag.length = 0;
    if (m_bytes[i] == ':') {
        ++i;
        const qsizetype digits = i;
        while (i < size && m_bytes[i] >= '0' && m_bytes[i] <= '9') {
            // Capped: a count past the end of the file means "up to the end".
            if (tag.length <= size)
                tag.length = tag.length * 10 + (m_bytes[i] - '0');
            ++i;
        }
        if (i == digits || i >= size)
            return false;
        tag.hasLength = true;
        if (m_bytes[i] == ':') {
            ++i;
            while (i < size && isNameChar(m_bytes[i]))
                ++i;
            if (i >= size)
                return false;
        }
    }
    if (m_bytes[i] != '>')
        return false;
    tag.end = i + 1;
    tag.kind = Tag::Kind::Field;
    if (!tag.hasLength && sameName(tag.name, "EOR"))
        tag.kind = Tag::Kind::EndOfRecord;
    else if (!tag.hasLength && sameName(tag.name, "EOH"))
        tag.kind = Tag::Kind::EndOfHeader;
    return true;
}

// A tag that ends a value: one with a length, <EOR> or <EOH>; with
// `withoutLength`, any well-formed tag.
bool Scanner::tagStartsAt(qsizetype at, bool withoutLength) const
{
    Tag tag;
    if (!readTag(at, tag))
        return false;
    return withoutLength || tag.hasLength || tag.kind != Tag::Kind::Field;
}

qsizetype Scanner::nextTagStart(qsizetype from, bool withoutLength) const
{
    const qsizetype size = m_bytes.size();
    while (from < size) {
        const void *hit = std::memchr(m_bytes.data() + from, '<', size_t(size - from));
        if (!hit)
            return size;
        from = static_cast<const char *>(hit) - m_bytes.data();
        if (tagStartsAt(from, withoutLength))
            return from;
        ++from;
    }
    return size;
}

// True when a field boundary follows a value ending at `end`: a blank, "<",
// "//" or the end of the bytes.
bool Scanner::boundaryAt(qsizetype end) const
{
    const qsizetype size = m_bytes.size();
    if (end >= size)
        return true;
    const char c = m_bytes[end];
    return isBlank(c) || c == '<' || (c == '/' && end + 1 < size && m_bytes[end + 1] == '/');
}

qsizetype Scanner::utf8Advance(qsizetype from, qsizetype chars, qsizetype limit) const
{
    const qsizetype size = m_bytes.size();
    qsizetype i = from;
    for (qsizetype n = 0; n < chars && i < size && i <= limit; ++n) {
        ++i;
        while (i < size && (static_cast<unsigned char>(m_bytes[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

qsizetype Scanner::trimEnd(qsizetype begin, qsizetype end) const
{
    while (end > begin && isBlank(m_bytes[end - 1]))
        --end;
    return end;
}

Scanner::Token Scanner::next()
{
    const qsizetype size = m_bytes.size();
    while (m_pos < size) {
        const void *hit = std::memchr(m_bytes.data() + m_pos, '<', size_t(size - m_pos));
        if (!hit) {
            m_pos = size;
            break;
        }
        const qsizetype at = static_cast<const char *>(hit) - m_bytes.data();
        Tag tag;
        if (!readTag(at, tag)) {
            m_pos = at + 1; // a lone "<" in free text
            continue;
        }
        m_pos = tag.end;
        if (tag.kind == Tag::Kind::EndOfRecord)
            return Token::EndOfRecord;
        if (tag.kind == Tag::Kind::EndOfHeader)
            return Token::EndOfHeader;

        const qsizetype begin = m_pos;
        qsizetype end = -1;
        if (tag.hasLength) {
            // No value runs over the next tag, whatever its count says.
            const qsizetype limit = nextTagStart(begin, false);
            const qsizetype byteEnd = begin + std::min(tag.length, size - begin);
            if (byteEnd <= limit && boundaryAt(byteEnd)) {
                end = byteEnd;
            } else if (m_utf8) {
                const qsizetype charEnd = utf8Advance(begin, tag.length, limit);
                if (charEnd != byteEnd && charEnd <= limit && boundaryAt(charEnd))
                    end = charEnd;
            }
            m_pos = end >= 0 ? end : limit;
        } else {
            m_pos = nextTagStart(begin, true);
        }
        if (end < 0)
            end = trimEnd(begin, m_pos);
        m_name = tag.name;
        m_value = m_bytes.sliced(begin, end - begin);
        return Token::Field;
    }
    return Token::End;
}

} // namespace pendrel::adif
