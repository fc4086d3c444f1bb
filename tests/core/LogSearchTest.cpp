#include "core/views/LogSearch.h"

#include "support/QsoLines.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;
using pendrel::test::Qso;

namespace {

const QStringList kLines = test::listLines({
    /* 0 */ {.call = "F6ABC", .dpt = "75", .loc = "JN18GU", .date = "05/01/08"},
    /* 1 */ {.call = "TF6XY/P", .dpt = "2A", .loc = "JN18AB", .date = "06/01/08"},
    /* 2 */ {.call = "F5XYZ", .dpt = "2A15", .loc = "IN97QX", .date = "05/01/08"},
    /* 3 */ {.call = "F5XYZ", .dpt = "7", .loc = "", .date = "05/01/08"},
    /* 4 */ {.call = "F1AAA/P", .dpt = "", .loc = "JO10AA", .date = "31/12/99"},
});

QList<int> rows(const QList<SearchHit> &hits)
{
    QList<int> out;
    for (const SearchHit &h : hits) {
        EXPECT_EQ(h.line, kLines[h.row]);
        out.append(h.row);
    }
    return out;
}

} // namespace

TEST(LogSearch, EachKeyMatchesItsField)
{
    struct Case {
        SearchKey key;
        QString text;
        QList<int> rows;
    };
    const Case cases[] = {
        {SearchKey::Indicatif, "F6", {0, 1}},    // anywhere in the callsign
        {SearchKey::Indicatif, "/P", {1, 4}},
        {SearchKey::Indicatif, "F5XYZ", {2, 3}},
        {SearchKey::Indicatif, "F6ABC ", {}},     // the field is trimmed, the text is not
        {SearchKey::Date, "05/01/08", {0, 2, 3}}, // equal, whole date only
        {SearchKey::Date, "05/1/08", {}},
        {SearchKey::Date, "05/01", {}},
        {SearchKey::Dpt, "2A", {1, 2}},           // first two characters of the département
        {SearchKey::Dpt, "7", {}},                // a one-character text never matches
        {SearchKey::Dpt, "75", {0}},
        {SearchKey::Locator, "JN18", {0, 1}},
        {SearchKey::Locator, "8AB", {1}},
        {SearchKey::Locator, "jn18", {}},         // case-sensitive: the window upper-cases
    };
    for (const Case &c : cases)
        EXPECT_EQ(rows(findQsos(c.key, c.text, kLines)), c.rows) << int(c.key) << " " << qPrintable(c.text);
}

TEST(LogSearch, EnterChecksTheBoxThenSearchesTheSelectedKey)
{
    using K = SearchKey;
    struct Case {
        K box, selected;
        SearchBoxes boxes;
        QString message;
        bool searched;
        QList<int> rows;
        std::optional<K> emptied;
    };
    const QString none;
    const QString notFound = QStringLiteral("Pas de QSO trouvé");
    const Case cases[] = {
        // Checks of the box where Enter was pressed, whatever the key.
        {K::Indicatif, K::Indicatif, {.Indica = "F6ABCDEFGHIJK"}, "12 caracteres maxi pour l'indicatif", false, {}, {}},
        {K::Indicatif, K::Date, {.Data = "05/01/08"}, "Entrez un indicatif", false, {}, K::Indicatif},
        {K::Date, K::Date, {}, "Le format de la date doit etre JJ/MM/AA", false, {}, {}},
        {K::Date, K::Date, {.Data = "5/01/08"}, "Le format de la date doit etre JJ/MM/AA", false, {}, {}},
        {K::Date, K::Date, {.Data = "05/01/2008"}, "8 caracteres maxi pour la Date", false, {}, {}},
        {K::Dpt, K::Dpt, {.Depa = "2A1"}, "2 caracteres maxi pour le département", false, {}, {}},
        {K::Dpt, K::Dpt, {}, "Entrez un département", false, {}, K::Dpt},
        {K::Locator, K::Locator, {.Loca = "JN18GUX"}, "6 caracteres maxi pour le locator", false, {}, {}},
        {K::Locator, K::Locator, {}, "Entrez un locator", false, {}, K::Locator},
        // The box passes; the selected key's box is empty.
        {K::Indicatif, K::Date, {.Indica = "F6"}, "Entrez une date", true, {}, {}},
        {K::Indicatif, K::Dpt, {.Indica = "F6"}, "Entrez un departement", true, {}, {}},
        {K::Indicatif, K::Locator, {.Indica = "F6"}, "Entrez un locator", true, {}, {}},
        {K::Date, K::Indicatif, {.Data = "05/01/08"}, "Entrez un indicatif", true, {}, K::Indicatif},
        // The search runs with the selected key, upper-cased.
        {K::Indicatif, K::Locator, {.Indica = "ZZ", .Loca = "jn18"}, none, true, {0, 1}, {}},
        {K::Indicatif, K::Indicatif, {.Indica = "f5"}, none, true, {2, 3}, {}},
        {K::Date, K::Date, {.Data = "05/1/08"}, notFound, true, {}, {}},
        {K::Dpt, K::Dpt, {.Depa = "2a"}, none, true, {1, 2}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.message + u' ' + c.boxes.Indica + c.boxes.Data + c.boxes.Depa + c.boxes.Loca));
        const SearchVerdict v = searchOnEnter(c.box, c.selected, c.boxes, kLines);
        EXPECT_EQ(v.message, c.message);
        EXPECT_EQ(v.searched, c.searched);
        EXPECT_EQ(rows(v.hits), c.rows);
        EXPECT_EQ(v.emptyBox, c.emptied);
        // The boxes are emptied after a search that ran to its end, found or not.
        EXPECT_EQ(v.emptyAll, c.searched && (c.message.isEmpty() || c.message == notFound));
    }
}

TEST(LogSearch, EmptyLogFindsNothingWhateverTheKey)
{
    for (SearchKey key : {SearchKey::Indicatif, SearchKey::Date, SearchKey::Dpt, SearchKey::Locator}) {
        // Enter in a box that passes its check; the selected key's box may be empty.
        const SearchVerdict v = searchOnEnter(SearchKey::Indicatif, key, {.Indica = "F6"}, {});
        EXPECT_EQ(v.message, QStringLiteral("Pas de QSO trouvé")) << int(key);
        EXPECT_TRUE(v.emptyAll);
    }
}

TEST(LogSearch, FoundLineSelectsItsOwnRowOnly)
{
    // Two identical QSOs differ only by their row number.
    const QStringList lines = test::listLines({{.call = "F6ABC"}, {.call = "F5XYZ"}, {.call = "F5XYZ"}});
    const QList<SearchHit> hits = findQsos(SearchKey::Indicatif, "F5XYZ", lines);
    ASSERT_EQ(hits.size(), 2);
    EXPECT_EQ(rowOfFoundLine(hits[0].line, lines), 1);
    EXPECT_EQ(rowOfFoundLine(hits[1].line, lines), 2);
    // Once the list shows another order, the found line's row may hold another QSO.
    const QStringList resorted = {lines[1].left(5) + lines[0].mid(5), lines[0].left(5) + lines[1].mid(5), lines[2]};
    EXPECT_EQ(rowOfFoundLine(hits[0].line, resorted), -1);
    EXPECT_EQ(rowOfFoundLine(hits[1].line, resorted), 2);
    EXPECT_EQ(rowOfFoundLine(hits[0].line, {}), -1);
}

TEST(LogSearch, OnlyAsciiLettersAreUpperCasedAsTyped)
{
    EXPECT_EQ(upperAsciiLetters("jn18gu"), QStringLiteral("JN18GU"));
    EXPECT_EQ(upperAsciiLetters("f5/p é"), QStringLiteral("F5/P é"));
}
