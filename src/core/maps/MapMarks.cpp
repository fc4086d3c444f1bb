#include "core/maps/MapMarks.h"

#include "core/storage/QsoRecord.h"
#include "core/storage/TextFile.h"

#include <QDir>

#include <algorithm>

namespace pendrel {
namespace {

BoxMarks emptyMarks(int boxes)
{
    return {QList<bool>(boxes, false), 0};
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The field's text at `column` of `line`, blanks around it removed.
QStringView trimmedField(QStringView line, FieldColumns column)
{
    return recordField(line, column).trimmed();
}

} // namespace

int departementBox(QStringView dpt)
{
    dpt = dpt.trimmed();
    if (dpt.size() == 2 && dpt[0] == u'2') {
        if (dpt[1] == u'A' || dpt[1] == u'a')
            return CorsicaSouthBox;
        if (dpt[1] == u'B' || dpt[1] == u'b')
            return CorsicaNorthBox;
    }
    if (dpt.isEmpty() || dpt.size() > 2 || !std::all_of(dpt.begin(), dpt.end(), isDigit))
        return -1;
    return dpt.toInt();
}

namespace {

// Marks the département of one record line when it is on `band` and `mode`.
void markDepartement(BoxMarks &marks, QStringView line, const QString &band, const QString &mode)
{
    if (trimmedField(line, RecordColumn::QRG) != band || trimmedField(line, RecordColumn::Mode) != mode)
        return;
    const int box = departementBox(recordField(line, RecordColumn::Dpt));
    if (box < 0 || marks.worked[box])
        return;
    marks.worked[box] = true;
    if (box != 0)
        ++marks.count;
}

// Marks from a log file read a line at a time by `read` (the log's text is
// never held whole); no marks when it cannot be read.
LogMarks marksFromLog(const QString &path, int boxes, const std::function<ReadOutcome(BoxMarks &)> &read)
{
    LogMarks map;
    map.marks = emptyMarks(boxes);
    const ReadOutcome outcome = read(map.marks);
    map.status = outcome.status;
    if (outcome.status == ReadStatus::Error)
        map.error =
            QStringLiteral("Impossible de lire le log %1 : %2").arg(QDir::toNativeSeparators(path), outcome.error);
    if (outcome.status != ReadStatus::Ok)
        map.marks = emptyMarks(boxes);
    return map;
}

} // namespace

BoxMarks MarkDepartements(const QStringList &recordLines, const QString &band, const QString &mode)
{
    BoxMarks marks = emptyMarks(DepartementBoxes);
    for (const QString &line : recordLines)
        markDepartement(marks, line, band, mode);
    return marks;
}

LogMarks MarkDepartements(const LogStore &store, const QString &callsign, StationKind kind,
                          const QString &band, const QString &mode)
{
    const QString path = store.logPath(callsign, kind);
    return marksFromLog(path, DepartementBoxes, [&](BoxMarks &marks) {
        return forEachTextLine(path, [&](const QString &line) {
            markDepartement(marks, line, band, mode);
            return true;
        });
    });
}

int locatorSquare(QStringView loc)
{
    if (loc.size() < 4 || !isDigit(loc[2]) || !isDigit(loc[3]))
        return -1;
    return (loc[2].unicode() - u'0') * 10 + (loc[3].unicode() - u'0');
}

namespace {

void markFieldSquare(BoxMarks &marks, QStringView line, const QString &band, const QString &field)
{
    const QStringView loc = recordField(line, ListColumn::Loc);
    if (!loc.startsWith(field) || field.size() != 2 || trimmedField(line, ListColumn::QRG) != band)
        return;
    const int square = locatorSquare(loc);
    if (square >= 0 && !marks.worked[square]) {
        marks.worked[square] = true;
        ++marks.count;
    }
}

// Marks from the list lines of a log file, read one at a time.
LogMarks marksFromList(const LogStore &store, const QString &callsign, StationKind kind, int boxes,
                       const std::function<void(BoxMarks &, const QString &)> &mark)
{
    const QString path = store.logPath(callsign, kind);
    return marksFromLog(path, boxes, [&](BoxMarks &marks) {
        return LogStore::forEachListLine(path, [&](const QString &line) { mark(marks, line); });
    });
}

} // namespace

BoxMarks MarkFieldSquares(const QStringList &listLines, const QString &band, const QString &field)
{
    BoxMarks marks = emptyMarks(100);
    for (const QString &line : listLines)
        markFieldSquare(marks, line, band, field);
    return marks;
}

LogMarks MarkFieldSquares(const LogStore &store, const QString &callsign, StationKind kind, const QString &band,
                          const QString &field)
{
    return marksFromList(store, callsign, kind, 100, [&](BoxMarks &marks, const QString &line) {
        markFieldSquare(marks, line, band, field);
    });
}

int WorldQuarter::boxOf(QStringView field) const
{
    if (field.size() != 2)
        return 0;
    const int c = field[0].unicode() - firstColumn;
    const int r = topRow - field[1].unicode();
    if (c < 0 || c >= columns || r < 0 || r >= rows)
        return 0;
    return columns * r + c + 1;
}

QString WorldQuarter::fieldOf(int index) const
{
    const int c = (index - 1) % columns, r = (index - 1) / columns;
    const QChar letters[] = {QChar(firstColumn + c), QChar(topRow - r)};
    return QString(letters, 2);
}

const QList<WorldQuarter> &worldQuarters()
{
    static const QList<WorldQuarter> quarters = {
        {QStringLiteral("NE"), QStringLiteral("1/4 N.E.monde"), QStringLiteral("Carte_NE"),
         QStringLiteral("Carte Nord Est Monde"), 'I', 10, 'R', 9},
        {QStringLiteral("NO"), QStringLiteral("1/4 N.O.monde"), QStringLiteral("Carte_NO"),
         QStringLiteral("Carte Nort Ouest Monde"), 'A', 8, 'R', 9},
        {QStringLiteral("SE"), QStringLiteral("1/4 S.E.monde"), QStringLiteral("Carte_SE"),
         QStringLiteral("Carte Sud Est monde"), 'I', 10, 'I', 9},
        {QStringLiteral("SO"), QStringLiteral("1/4 S.O.monde"), QStringLiteral("Carte_SO"),
         QStringLiteral("Carte Sud Ouest monde"), 'A', 8, 'I', 9},
    };
    return quarters;
}

const WorldQuarter *findWorldQuarter(const QString &entryOrCode)
{
    for (const WorldQuarter &q : worldQuarters())
        if (q.entry == entryOrCode || q.code == entryOrCode)
            return &q;
    return nullptr;
}

namespace {

void markWorldField(BoxMarks &marks, QStringView line, const QString &band, const WorldQuarter &quarter)
{
    const int index = quarter.boxOf(recordField(line, ListColumn::Loc).left(2));
    if (index == 0 || marks.worked[index - 1] || trimmedField(line, ListColumn::QRG) != band)
        return;
    marks.worked[index - 1] = true;
    ++marks.count;
}

} // namespace

BoxMarks MarkWorldFields(const QStringList &listLines, const QString &band, const WorldQuarter &quarter)
{
    BoxMarks marks = emptyMarks(quarter.boxCount());
    for (const QString &line : listLines)
        markWorldField(marks, line, band, quarter);
    return marks;
}

LogMarks MarkWorldFields(const LogStore &store, const QString &callsign, StationKind kind, const QString &band,
                         const WorldQuarter &quarter)
{
    return marksFromList(store, callsign, kind, quarter.boxCount(), [&](BoxMarks &marks, const QString &line) {
        markWorldField(marks, line, band, quarter);
    });
}

} // namespace pendrel
