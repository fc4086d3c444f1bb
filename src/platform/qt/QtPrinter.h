#pragma once
#include "platform/Printer.h"

#include <QFont>
#include <QPrinter>

class QWidget;

namespace pendrel {

// The printer seam on a QPrinter. The choice goes through Qt's dialogs, which
// also offer printing into a PDF file.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QWidget *dialogParent = nullptr);
    // The printer dialog alone.
    bool choosePrinter() override;
    bool print(const QList<PrintStep> &steps) override;
    // A print preview of the steps, from which the operator prints them.
    Outcome previewAndPrint(const QList<PrintStep> &steps) override;

private:
    QPrinter m_printer;
    QWidget *m_dialogParent;
};

// The font of a Font step: without the family itself (as on Linux), a
// metric-compatible fixed-pitch face ("Courier New": Liberation Mono).
QFont printFont(const QString &family, int pointSize, bool bold);

// Walks the steps on `printer` with a QPainter: a line is drawn at the current
// position and the position moves down one line of the current font; a full
// page, a NewPage step, or an EndJob with more lines after it starts the next
// page. Steps that begin with Sheets lay out whole sheets on narrow margins
// and never turn a page by themselves. False when the printer fails.
bool paintSteps(QPrinter &printer, const QList<PrintStep> &steps);

// Prints the steps on A4 pages into the PDF file `path`.
bool printStepsToPdf(const QList<PrintStep> &steps, const QString &path);

} // namespace pendrel
