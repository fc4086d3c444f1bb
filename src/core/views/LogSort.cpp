#include "core/views/LogSort.h"

#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace pendrel {
namespace {

// One piece of a line built from a list line: its columns a to b (1-based,
// inclusive), or, when a is 0, b blanks.
struct Piece {
    int a, b;
};

constexpr Piece blanks(int n)
{
    return {0, n};
}

qsizetype pieceWidth(const Piece &p)
{
    return p.a == 0 ? p.b : p.b - p.a + 1;
}

// Writes pieces of `line` at `out`, which moves past them; a line shorter than
// the 151 columns reads as if filled with blanks, so every result has its
// full width.
void putPieces(char16_t *&out, QStringView line, std::span<const Piece> layout)
{
    for (const Piece &p : layout) {
        const qsizetype width = pieceWidth(p);
        const QStringView part = p.a != 0 && line.size() >= p.a ? line.mid(p.a - 1, width) : QStringView();
        out = std::copy_n(part.utf16(), part.size(), out);
        out = std::fill_n(out, width - part.size(), u' ');
    }
}

// The pieces of a line it is ordered by (after its value, for QRB and km/W).
std::vector<Piece> sortLayout(LogSortKey key)
{
    switch (key) {
    case LogSortKey::Dpt:
        return {{22, 25}, blanks(1), {8, 19}, blanks(2), {27, 151}};
    case LogSortKey::Indicatif:
        return {{8, 19}, blanks(2), {22, 151}};
    case LogSortKey::QRB:
        return {blanks(1), {8, 125}, blanks(2), {128, 151}};
    case LogSortKey::KmW:
        return {blanks(1), {8, 143}, blanks(2), {146, 151}};
    }
    return {};
}

bool byValue(LogSortKey key)
{
    return key == LogSortKey::QRB || key == LogSortKey::KmW;
}

// The value a QRB or km/W column sorts by. A blank column counts 0; a column
// that holds something else than a whole number reads as the program reads
// every number, so it can neither crash the sort nor shift the line.
double sortValue(QStringView line, LogSortKey key)
{
    const Piece column = key == LogSortKey::QRB ? Piece{122, 126} : Piece{140, 144};
    // Blanks count for nothing: the part of the column the line holds reads as the whole column.
    return numericValue(line.size() >= column.a ? line.mid(column.a - 1, column.b - column.a + 1) : QStringView());
}

// The line at its new rank. The value columns keep their text: a line turned
// into "0" or re-aligned would no longer match its record, and editing or
// deleting the QSO from a sorted view would then miss it in the file.
// Written in place in a string of its final size: one allocation a line.
QString rebuiltLine(int rank, QStringView line, LogSortKey key)
{
    static constexpr Piece byText[] = {{8, 19}, blanks(2), {22, 25}, blanks(1), {27, 151}};
    static constexpr Piece byQrb[] = {{8, 119}, blanks(2), {122, 126}, blanks(1), {128, 151}};
    static constexpr Piece byKmW[] = {{8, 137}, blanks(2), {140, 144}, blanks(1), {146, 151}};
    const std::span<const Piece> layout = key == LogSortKey::QRB ? std::span<const Piece>(byQrb)
                                          : key == LogSortKey::KmW ? std::span<const Piece>(byKmW)
                                                                   : std::span<const Piece>(byText);
    // The rank as listNumberField writes it: right-aligned in five columns.
    const QString longRank = rank < 0 || rank > 99999 ? listNumberField(rank) : QString();
    const qsizetype rankWidth = longRank.isNull() ? 5 : longRank.size();
    qsizetype size = rankWidth + 2;
    for (const Piece &p : layout)
        size += pieceWidth(p);
    QString out(size, Qt::Uninitialized);
    char16_t *at = reinterpret_cast<char16_t *>(out.data());
    if (longRank.isNull()) {
        std::fill_n(at, 5, u' ');
        for (int r = rank, i = 4; i >= 0 && (r > 0 || i == 4); r /= 10, --i)
            at[i] = char16_t(u'0' + r % 10);
    } else {
        std::copy_n(longRank.utf16(), rankWidth, at);
    }
    at += rankWidth;
    *at++ = u' ';
    *at++ = u' ';
    putPieces(at, line, layout);
    return out;
}

// Folds a letter for the comparison: case is ignored, and so are accents, so
// that ÉRIC sorts with ERIC and before ZOE, as a French reader expects.
char16_t foldedLetter(char16_t u)
{
    if (u < 0x80)
        return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
    const QString decomposed = QChar(u).decomposition();
    if (!decomposed.isEmpty() && decomposed[0].unicode() < 0x80 && decomposed[0].isLetter())
        return foldedLetter(decomposed[0].unicode());
    return char16_t(QChar::toCaseFolded(char32_t(u)));
}

// Where each character of a line's sort text comes from: its column in the
// list line (from 0), or -1 for a blank the layout adds.
std::vector<int> sourceColumns(const std::vector<Piece> &layout)
{
    std::vector<int> columns;
    for (const Piece &p : layout)
        for (int i = 0; i < (p.a == 0 ? p.b : p.b - p.a + 1); ++i)
            columns.push_back(p.a == 0 ? -1 : p.a - 1 + i);
    return columns;
}

// The folded sort text of the lines for one key, a character at a time.
// Every character a windows-1252 log can hold but the 27 above 0xFF folds by
// one look-up in a table made once; the others are worked out.
class SortText {
public:
    explicit SortText(LogSortKey key) : m_columns(sourceColumns(sortLayout(key))), m_folded(foldTable()) {}
    qsizetype width() const { return qsizetype(m_columns.size()); }
    // Character `at` of the text of `line`; a line shorter than the columns
    // reads as if filled with blanks.
    char16_t at(QStringView line, qsizetype at) const
    {
        const int column = m_columns[size_t(at)];
        if (column < 0 || column >= line.size())
            return u' ';
        const char16_t u = line[column].unicode();
        return u < 256 ? m_folded[u] : foldedLetter(u);
    }

private:
    static const std::array<char16_t, 256> &foldTable()
    {
        static const auto table = [] {
            std::array<char16_t, 256> t{};
            for (int c = 0; c < 256; ++c)
                t[size_t(c)] = foldedLetter(char16_t(c));
            return t;
        }();
        return table;
    }
    std::vector<int> m_columns;
    const std::array<char16_t, 256> &m_folded;
};

// The first characters of the sort text, packed four to a word so that
// comparing words in order compares the texts (code unit by code unit): they
// decide most comparisons. Equal heads go on character by character.
constexpr qsizetype HeadWords = 4;

struct SortEntry {
    double value = 0;
    std::array<quint64, HeadWords> head{};
    qsizetype line = 0;
};

} // namespace

QStringList sortLogLines(const QStringList &listLines, LogSortKey key)
{
    const qsizetype n = listLines.size();
    const SortText text(key);
    const qsizetype width = text.width(), headChars = std::min(width, 4 * HeadWords);
    std::vector<SortEntry> entries(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        SortEntry &e = entries[size_t(i)];
        e.line = i;
        if (byValue(key))
            e.value = sortValue(listLines[i], key);
        for (qsizetype c = 0; c < 4 * HeadWords; ++c) {
            const char16_t folded = c < headChars ? text.at(listLines[i], c) : 0;
            e.head[size_t(c / 4)] |= quint64(folded) << (16 * (3 - c % 4));
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [&](const SortEntry &x, const SortEntry &y) {
        if (x.value != y.value)
            return x.value < y.value;
        for (size_t w = 0; w < size_t(HeadWords); ++w) // word by word: std::array's operators call memcmp
            if (x.head[w] != y.head[w])
                return x.head[w] < y.head[w];
        const QStringView a = listLines[x.line], b = listLines[y.line];
        for (qsizetype c = headChars; c < width; ++c) {
            const char16_t ca = text.at(a, c), cb = text.at(b, c);
            if (ca != cb)
                return ca < cb;
        }
        return false;
    });
    std::vector<qsizetype> order(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        order[size_t(i)] = entries[size_t(i)].line;

    QStringList sorted;
    sorted.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        // The lines are read in their new order, all over memory: the ones a
        // few ranks ahead are asked for while this one is made, the string's
        // own place first, then its text once that place is known.
        if (i + 16 < n)
            __builtin_prefetch(&listLines[order[i + 16]]);
        if (i + 8 < n) {
            const QChar *ahead = listLines[order[i + 8]].constData();
            for (int offset = 0; offset < QsoRecord::ListLineLength * 2; offset += 64)
                __builtin_prefetch(reinterpret_cast<const char *>(ahead) + offset);
        }
        sorted.append(rebuiltLine(int(i + 1), listLines[order[i]], key));
    }
    return sorted;
}

namespace {

// A QSO's fields as a sort leaves them: blanks trimmed, QRB and km/W by value.
QsoRecord shownQso(QStringView line)
{
    QsoRecord qso = QsoRecord::fromListLine(line);
    for (QString *field : {&qso.Indicatif, &qso.Dpt, &qso.Prenom, &qso.Loc, &qso.Date, &qso.QTR, &qso.Mode,
                           &qso.QRG, &qso.RstR, &qso.RstE, &qso.QTH, &qso.MyLoc, &qso.Pwr, &qso.Pts, &qso.Bonus})
        *field = field->trimmed();
    for (QString *value : {&qso.QRB, &qso.KmW})
        *value = QString::number(numericValue(*value), 'g', 15);
    return qso;
}

} // namespace

int rowOfSameQso(const QStringList &lines, QStringView line)
{
    const QsoRecord wanted = shownQso(line);
    for (int row = 0; row < lines.size(); ++row)
        if (shownQso(lines.at(row)) == wanted)
            return row;
    return -1;
}

} // namespace pendrel
