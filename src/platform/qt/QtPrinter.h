#pragma once
#include "platform/Printer.h"
#include "platform/qt/StepRenderer.h"

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

// Walks the steps on the pages of `printer` (walkPrintSteps). Steps that begin
// with Sheets lay out whole sheets on narrow margins and never turn a page by
// themselves. False when the printer fails.
bool paintSteps(QPrinter &printer, const QList<PrintStep> &steps);

// Prints the steps on A4 pages into the PDF file `path`.
bool printStepsToPdf(const QList<PrintStep> &steps, const QString &path);

} // namespace pendrel
