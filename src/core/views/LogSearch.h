#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pendrel {

// The search keys, in the order of the option buttons Option1 (1) to (4).
enum class SearchKey { Indicatif = 1, Date, Dpt, Locator };

// The four text boxes of the search window, one per key.
struct SearchBoxes {
    QString Indica = {}, Data = {}, Depa = {}, Loca = {};
    QString &of(SearchKey key);
    const QString &of(SearchKey key) const;
};

// A line of the main list that matches, and its row there.
struct SearchHit {
    int row = -1;
    QString line;
    bool operator==(const SearchHit &) const = default;
};

// What the window does after Enter in one of its boxes.
struct SearchVerdict {
    QString message;                // shown with OK when not empty
    bool searched = false;          // QSO_Effectues is replaced by `hits`
    QList<SearchHit> hits;
    std::optional<SearchKey> emptyBox; // this box is emptied
    bool emptyAll = false;          // all four boxes are emptied
};

// Enter pressed in the box of `box`: that box's checks, then, when they pass,
// the search by the key of the selected option over the lines of Liste_Orvil.
SearchVerdict searchOnEnter(SearchKey box, SearchKey selected, const SearchBoxes &boxes,
                            const QStringList &logLines);

// The lines of `logLines` whose field of `key` matches `text` (already upper case).
QList<SearchHit> findQsos(SearchKey key, const QString &text, const QStringList &logLines);

// Row of Liste_Orvil to select for a found line: the last line whose first
// 134 columns (row number included) are the found line's, or -1 when the
// list has changed since the search and no line matches any more.
int rowOfFoundLine(QStringView foundLine, const QStringList &logLines);

// Keys typed in Indica, Depa and Loca: lower-case a-z become upper case.
QString upperAsciiLetters(QString text);

} // namespace pendrel
