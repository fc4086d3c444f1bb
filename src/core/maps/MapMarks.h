#pragma once
#include "core/storage/LogStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace pendrel {

// Which boxes of a map are worked: one flag per box, and how many count.
struct BoxMarks {
    QList<bool> worked;
    int count = 0;
    bool operator==(const BoxMarks &) const = default;
};

// ---- Départements: 100 boxes, 0 to 99 -------------------------------------

inline constexpr int DepartementBoxes = 100;
inline constexpr int CorsicaSouthBox = 96; // 2A
inline constexpr int CorsicaNorthBox = 97; // 2B

// The box of a `Dpt` field (blanks around it ignored): 0 to 99 for one or two
// digits, 96 for 2A/2a, 97 for 2B/2b, -1 for anything else ("DX", "971", "").
int departementBox(QStringView dpt);

// Marks the boxes of the départements worked in `mode` on `band` among the
// record lines of a log (exact, case-sensitive texts). The count is the number
// of worked boxes among 1 to 99: box 0 ("00") is marked but never counted.
// A `Dpt` without a box is skipped.
BoxMarks MarkDepartements(const QStringList &recordLines, const QString &band, const QString &mode);

// The marks of a map read from a log file.
struct LogMarks {
    ReadStatus status = ReadStatus::Ok;
    BoxMarks marks;
    QString error; // French, when the log cannot be read
};
// The same from the log file of `callsign` and `kind`, read line by line.
// A missing log file gives an empty map.
LogMarks MarkDepartements(const LogStore &store, const QString &callsign, StationKind kind,
                          const QString &band, const QString &mode);

// ---- Locator fields: 100 squares per field ---------------------------------

// The nine fields offered by the chooser, in its order.
inline const QStringList LocatorFields = {
    QStringLiteral("IM"), QStringLiteral("IN"), QStringLiteral("IO"), QStringLiteral("JM"), QStringLiteral("JN"),
    QStringLiteral("JO"), QStringLiteral("KM"), QStringLiteral("KN"), QStringLiteral("KO"),
};

// The square (0 to 99) of a locator's characters 3 and 4; -1 when they are not
// two digits (an empty locator among them).
int locatorSquare(QStringView loc);

// Marks the squares of `field` worked on `band` among log list lines, all
// modes together. Count is the number of squares marked.
BoxMarks MarkFieldSquares(const QStringList &listLines, const QString &band, const QString &field);
// The same from the log file, line by line, over the lines its list shows.
LogMarks MarkFieldSquares(const LogStore &store, const QString &callsign, StationKind kind, const QString &band,
                          const QString &field);

// ---- World quarters: one box per field -------------------------------------

struct WorldQuarter {
    QString code;    // NE, NO, SE, SO (the command line's name)
    QString entry;   // the chooser's text
    QString window;  // object name of the map window
    QString caption; // its caption
    char firstColumn; // first letter of the leftmost column
    int columns;
    char topRow; // second letter of the top row (rows run southwards)
    int rows;

    int boxCount() const { return columns * rows; }
    // Text1 index (1-based) of a field, or 0 when the field is not in this quarter.
    int boxOf(QStringView field) const;
    // The field of the box `index` (1-based).
    QString fieldOf(int index) const;
    // Longitude and latitude of the quarter's top left corner.
    int west() const { return -180 + 20 * (firstColumn - 'A'); }
    int north() const { return -90 + 10 * (topRow - 'A' + 1); }
};

// The four quarters, in the chooser's order.
const QList<WorldQuarter> &worldQuarters();
// The quarter of a chooser entry or a code (NE, NO, SE, SO); nullptr when none.
const WorldQuarter *findWorldQuarter(const QString &entryOrCode);

// Marks the fields of `quarter` worked on `band` among log list lines:
// worked[i] stands for Text1(i + 1).
BoxMarks MarkWorldFields(const QStringList &listLines, const QString &band, const WorldQuarter &quarter);
// The same from the log file, line by line, over the lines its list shows.
LogMarks MarkWorldFields(const LogStore &store, const QString &callsign, StationKind kind, const QString &band,
                         const WorldQuarter &quarter);

} // namespace pendrel
