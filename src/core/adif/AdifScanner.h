#pragma once
#include <QByteArrayView>

namespace pendrel::adif {

// The byte-level reader of an ADIF file: a small state machine that walks the
// bytes once and hands out one token at a time, with no record storage.
//
// It copes with what real files hold: text between fields (banners, "//"
// comments), tags in any case, type indicators (<QSO_DATE:8:D>), tags
// without a length (<PROGRAMID>MixW), and lengths that are wrong or counted
// in characters instead of bytes. A value is taken by its length when that
// lands on a field boundary (a blank, "<", "//" or the end); otherwise by its
// length in UTF-8 characters; otherwise it runs up to the next tag. So a
// value may hold "<" ("<public key>"), and no count can make it read beyond
// the end or swallow the next field. Every step moves forward: it cannot hang.
class Scanner {
public:
    enum class Token { Field, EndOfHeader, EndOfRecord, End };

    // `bytes` must outlive the scanner. `utf8`: lengths may count characters.
    Scanner(QByteArrayView bytes, bool utf8);

    Token next();
    // The last field read (views into the bytes, as they stand).
    QByteArrayView name() const { return m_name; }
    QByteArrayView value() const { return m_value; }
    qsizetype position() const { return m_pos; }

private:
    struct Tag {
        enum class Kind { Field, EndOfHeader, EndOfRecord } kind = Kind::Field;
        QByteArrayView name;
        bool hasLength = false;
        qsizetype length = 0;
        qsizetype end = 0; // just after ">"
    };
    bool parseTag(qsizetype at, Tag &tag) const;
    bool readTag(qsizetype at, Tag &tag) const;
    bool tagStartsAt(qsizetype at, bool withoutLength) const;
    qsizetype nextTagStart(qsizetype from, bool withoutLength) const;
    bool boundaryAt(qsizetype end) const;
    qsizetype utf8Advance(qsizetype from, qsizetype chars, qsizetype limit) const;
    qsizetype trimEnd(qsizetype begin, qsizetype end) const;

    QByteArrayView m_bytes;
    bool m_utf8;
    qsizetype m_pos = 0;
    QByteArrayView m_name;
    QByteArrayView m_value;
    // The last tag parsed: the one that ends a value is parsed while looking
    // for that end, and is the next one read.
    mutable qsizetype m_cachedAt = -1;
    mutable bool m_cachedOk = false;
    mutable Tag m_cached;
};

} // namespace pendrel::adif
