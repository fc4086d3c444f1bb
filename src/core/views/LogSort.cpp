#include "core/views/LogSort.h"

#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <numeric>
#include <vector>

namespace pendrel {
namespace {

// One piece of a line built from a list line: its columns a to b (1-based,
// inclusive), or, when a is 0, b blanks.
struct Piece {
    int a, b;
};
using Layout = std::initializer_list<Piece>;

constexpr Piece blanks(int n)
{
    return {0, n};
}

// Appends pieces of `line` to `out`; a line shorter than the 151 columns reads
// as if filled with blanks, so every result has its full width.
void appendPieces(QString &out, QStringView line, Layout layout)
{
    for (const Piece &p : layout) {
        if (p.a == 0) {
            out.resize(out.size() + p.b, u' ');
            continue;
        }
        const QStringView part = line.size() >= p.a ? line.mid(p.a - 1, p.b - p.a + 1) : QStringView();
        out.append(part);
        out.resize(out.size() + (p.b - p.a + 1 - part.size()), u' ');
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

// How many characters the pieces make: every line's sort text has this width.
qsizetype layoutWidth(const std::vector<Piece> &layout)
{
    qsizetype width = 0;
    for (const Piece &p : layout)
        width += p.a == 0 ? p.b : p.b - p.a + 1;
    return width;
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
QString rebuiltLine(int rank, QStringView line, LogSortKey key)
{
    QString out;
    out.reserve(QsoRecord::ListLineLength); // before the first piece: one allocation per line
    out.append(listNumberField(rank)).append(u"  ");
    switch (key) {
    case LogSortKey::Dpt:
    case LogSortKey::Indicatif:
        appendPieces(out, line, {{8, 19}, blanks(2), {22, 25}, blanks(1), {27, 151}});
        break;
    case LogSortKey::QRB:
        appendPieces(out, line, {{8, 119}, blanks(2), {122, 126}, blanks(1), {128, 151}});
        break;
    case LogSortKey::KmW:
        appendPieces(out, line, {{8, 137}, blanks(2), {140, 144}, blanks(1), {146, 151}});
        break;
    }
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

char16_t foldedChar(char16_t u)
{
    if (u >= u'A' && u <= u'Z')
        return char16_t(u + (u'a' - u'A'));
    return u >= 0x80 ? foldedLetter(u) : u;
}

// Writes the folded sort text of `line` at `out`, as appendPieces lays it out.
void writeFolded(char16_t *out, QStringView line, const std::vector<Piece> &layout)
{
    for (const Piece &p : layout) {
        const qsizetype width = p.a == 0 ? p.b : p.b - p.a + 1;
        const QStringView part = p.a == 0 || line.size() < p.a ? QStringView() : line.mid(p.a - 1, width);
        for (QChar c : part)
            *out++ = foldedChar(c.unicode());
        out = std::fill_n(out, width - part.size(), u' ');
    }
}

// One line as the sort compares it: its value, then its folded text packed
// four characters to a word, so that comparing words in order compares the
// texts as strings (code unit by code unit). The words of all lines share one
// buffer: no string per line.
struct SortEntry {
    double value = 0;
    quint64 head = 0; // the first word
    qsizetype line = 0;
};

} // namespace

QStringList sortLogLines(const QStringList &listLines, LogSortKey key)
{
    const qsizetype n = listLines.size();
    const std::vector<Piece> layout = sortLayout(key);
    const qsizetype width = layoutWidth(layout), words = (width + 3) / 4;
    std::vector<char16_t> text(size_t(words * 4), 0);
    // Every word is written before it is read: no need to clear 30 MB first.
    const std::unique_ptr<quint64[]> packed(new quint64[size_t(n * words)]);
    std::vector<SortEntry> entries(n);
    for (qsizetype i = 0; i < n; ++i) {
        writeFolded(text.data(), listLines[i], layout);
        quint64 *word = packed.get() + i * words;
        for (qsizetype w = 0; w < words; ++w) {
            const char16_t *c = text.data() + 4 * w;
            word[w] = quint64(c[0]) << 48 | quint64(c[1]) << 32 | quint64(c[2]) << 16 | c[3];
        }
        entries[i] = {byValue(key) ? sortValue(listLines[i], key) : 0, word[0], i};
    }
    std::stable_sort(entries.begin(), entries.end(), [&](const SortEntry &x, const SortEntry &y) {
        if (x.value != y.value)
            return x.value < y.value;
        if (x.head != y.head)
            return x.head < y.head;
        const quint64 *a = packed.get() + x.line * words, *b = packed.get() + y.line * words;
        return std::lexicographical_compare(a + 1, a + words, b + 1, b + words);
    });
    std::vector<qsizetype> order(n);
    for (qsizetype i = 0; i < n; ++i)
        order[i] = entries[i].line;

    QStringList sorted;
    sorted.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        sorted.append(rebuiltLine(int(i + 1), listLines[order[i]], key));
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
