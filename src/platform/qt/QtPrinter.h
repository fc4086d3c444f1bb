#pragma once
#include "platform/Printer.h"
#include "core/storage/TextFile.h"
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
    void nameDocument(const QString &folder, const QString &name) override;
    // A print preview of the steps, from which the operator prints them.
    Outcome previewAndPrint(const QList<PrintStep> &steps, const SheetQuestion &ask = {}) override;

private:
    QPrinter m_printer;
    QWidget *m_dialogParent;
    QString m_folder; // where a PDF is offered
};

// Walks the steps on the pages of `printer` (walkPrintSteps). Steps that begin
// with Sheets lay out whole sheets on narrow margins and never turn a page by
// themselves. False when the printer fails.
bool paintSteps(QPrinter &printer, const QList<PrintStep> &steps);

// Walks the steps into the PDF file that `printer` is set to, through `writer`
// (see printStepsToPdf).
bool paintPdf(QPrinter &printer, const QList<PrintStep> &steps, FileWriter &writer, QString *error);

// Prints the steps on A4 pages into the PDF file `path`, through `writer`:
// the file is replaced only by a complete PDF; on failure it is as before and
// `error` says why in French.
bool printStepsToPdf(const QList<PrintStep> &steps, const QString &path, QString *error = nullptr,
                     FileWriter &writer = FileWriter::standard());

} // namespace pendrel
