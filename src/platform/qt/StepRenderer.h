#pragma once
#include "platform/Printer.h"

#include <QFont>
#include <functional>

class QPainter;

namespace pendrel {

// The font of a Font step: without the family itself (as on Linux), a
// metric-compatible fixed-pitch face (Liberation Mono for the printing font).
QFont printFont(const QString &family, int pointSize, bool bold);

// Where print steps are drawn: a printer's pages, the print preview, or the
// sample labels of the label window (smaller, the first sheet only).
struct StepSurface {
    QPainter *painter = nullptr;   // null: measures only, in the metrics of `device`
    QPaintDevice *device = nullptr; // when measuring only; none: the screen
    double fontScale = 1.0;        // every font's size times this
    int pageHeight = 0;            // a page turns when the next line would pass it; 0: only steps turn pages
    std::function<bool()> turnPage; // starts the next page (false: failed); none: the walk ends with the first page
    // The page in millimetres, for the rows of labels that Place steps put on
    // their labels; none (a sample on screen): Place steps are skipped.
    double dotsPerMm = 0;
    QRectF printableMm; // the painter's area on the sheet
};

struct StepWalk {
    enum class End { Finished, Abandoned, Failed };
    End end = End::Finished;
    int bottom = 0;     // below the last line of the last page walked
    double widest = 0;  // the widest line drawn
};

// Walks the steps down the surface: a line is drawn at the current position
// and the position moves down one line of the current font; a full page, a
// NewPage step, or an EndJob with more lines after it starts the next page.
// After a Place step the lines are drawn in the row of labels it names.
// The one walk behind the printer, its preview and the sample labels, so that
// what the operator sees is what is printed.
StepWalk walkPrintSteps(const QList<PrintStep> &steps, const StepSurface &surface);

} // namespace pendrel
