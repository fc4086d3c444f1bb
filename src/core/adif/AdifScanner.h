#pragma once
#include <QByteArrayView>

namespace pendrel::adif {

// The byte-level reader of an ADIF file: a small state machine that walks the
// bytes once and hands out one token at a time, with no record storage.
//
// It copes with what real files hold: text between fields (banners, "//"
// comments), tags in any case, type indicators (<QSO_DATE:8:D>), tags
// without a length (<PROGRAMID>MixW), and lengths that are wrong or counted
// in characters instead of bytes.
//
// A count is read two ways, in bytes and, for UTF-8 text, in characters. A
// reading is sure when a tag (or the end of the file) follows it, after
// blanks or not: the count then wins, even over tag-like text inside the
// value ("relayed for <CALL:5>F9ZZZ"). A reading is likely when a blank or
// "//" follows it (free text, a comment) and it does not run over the next
// tag. The first sure reading wins, bytes before characters, then the first
// likely one; when the count fits neither way, the value runs up to the next
// tag. Every step moves forward and every look-ahead is bounded: it cannot
// hang nor read beyond the end.
class Scanner {
public:
    enum class Token { Field, EndOfHeader, EndOfRecord, End };

    // `bytes` must outlive the scanner.
    explicit Scanner(QByteArrayView bytes);

    Token next();
    // The last field read (views into the bytes, as they stand).
    QByteArrayView name() const { return m_name; }
    QByteArrayView value() const { return m_value; }
    qsizetype position() const { return m_pos; }
    // Whether a look went up to the end of the bytes since the scanner was
    // made: when more bytes may follow them, what was read since may read
    // otherwise once they are there (a count past the end, a tag cut in two).
    bool reachedEnd() const { return m_reachedEnd; }

private:
    struct Tag {
        enum class Kind { Field, EndOfHeader, EndOfRecord } kind = Kind::Field;
        QByteArrayView name;
        bool hasLength = false;
        qsizetype length = 0;
        qsizetype end = 0; // just after ">"
    };
    enum class Fit { None, Likely, Sure };

    bool parseTag(qsizetype at, Tag &tag) const;
    // The tag at `at` (parsed once for the looks ahead and the read), or none.
    const Tag *readTag(qsizetype at) const
    {
        if (at != m_cachedAt) {
            m_cachedOk = parseTag(at, m_cached);
            m_cachedAt = at;
        }
        return m_cachedOk ? &m_cached : nullptr;
    }
    bool tagStartsAt(qsizetype at, bool withoutLength) const;
    qsizetype nextTagStart(qsizetype from, bool withoutLength) const;
    qsizetype countedEnd(qsizetype begin, qsizetype length) const;
    Fit fitAt(qsizetype end) const;
    qsizetype skipBlanks(qsizetype from) const;
    qsizetype utf8End(qsizetype begin, qsizetype chars, qsizetype limit) const;
    qsizetype trimEnd(qsizetype begin, qsizetype end) const;
    // Where a look that would go on to `want` stops: at the end of the bytes
    // when they stop first, which is noted.
    qsizetype stopAt(qsizetype want) const
    {
        if (want < m_bytes.size())
            return want;
        m_reachedEnd = true;
        return m_bytes.size();
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    QByteArrayView m_name;
    QByteArrayView m_value;
    mutable bool m_reachedEnd = false;
    // The last tag parsed: the one that ends a value is parsed while looking
    // for that end, and is the next one read.
    mutable qsizetype m_cachedAt = -1;
    mutable bool m_cachedOk = false;
    mutable Tag m_cached;
};

} // namespace pendrel::adif
