#include "platform/qt/QtPrinter.h"

#include <QPainter>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>

namespace pendrel {
namespace {

// Narrow margins: a report line of 114 fixed-pitch characters at 8 points
// needs nearly the whole width of an A4 sheet.
void setUpPage(QPrinter &printer)
{
    printer.setPageMargins(QMarginsF(7, 10, 7, 10), QPageLayout::Millimeter);
}

// Label sheets are laid out to the edge of what a printer reaches.
void setUpSheets(QPrinter &printer)
{
    printer.setPageMargins(QMarginsF(4, 4, 4, 4), QPageLayout::Millimeter);
}

// Puts the page layout of a printer back as it was when it goes out of scope.
class KeptPageLayout {
public:
    explicit KeptPageLayout(QPrinter &printer) : m_printer(printer), m_layout(printer.pageLayout()) {}
    ~KeptPageLayout() { m_printer.setPageLayout(m_layout); }
    KeptPageLayout(const KeptPageLayout &) = delete;
    KeptPageLayout &operator=(const KeptPageLayout &) = delete;

private:
    QPrinter &m_printer;
    QPageLayout m_layout;
};

bool paintOnPages(QPrinter &printer, const QList<PrintStep> &steps, bool sheets)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    StepSurface pages;
    pages.painter = &painter;
    // A sheet of labels turns only at its end; a report turns when the page is full.
    pages.pageHeight = sheets ? 0 : painter.viewport().height();
    pages.turnPage = [&printer] { return printer.newPage(); };
    switch (walkPrintSteps(steps, pages).end) {
    case StepWalk::End::Abandoned:
        printer.abort();
        painter.end();
        return true;
    case StepWalk::End::Failed:
        painter.end();
        return false;
    case StepWalk::End::Finished:
        break;
    }
    return painter.end();
}

} // namespace

bool paintSteps(QPrinter &printer, const QList<PrintStep> &steps)
{
    const bool sheets = !steps.isEmpty() && steps.first().kind == PrintStep::Kind::Sheets;
    if (sheets)
        setUpSheets(printer);
    return paintOnPages(printer, steps, sheets);
}

bool printStepsToPdf(const QList<PrintStep> &steps, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    setUpPage(printer);
    return paintSteps(printer, steps);
}

QtPrinter::QtPrinter(QWidget *dialogParent) : m_printer(QPrinter::HighResolution), m_dialogParent(dialogParent)
{
    setUpPage(m_printer);
}

bool QtPrinter::choosePrinter()
{
    QPrintDialog dialog(&m_printer, m_dialogParent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::print(const QList<PrintStep> &steps)
{
    const KeptPageLayout kept(m_printer);
    return paintSteps(m_printer, steps);
}

Printer::Outcome QtPrinter::previewAndPrint(const QList<PrintStep> &steps)
{
    // A job with nothing to print (labels of an empty list) is abandoned once
    // the printer is chosen: no blank sheet, no empty preview.
    if (!linesFollow(steps, 0))
        return choosePrinter() ? Outcome::Printed : Outcome::Cancelled;
    // The preview shows the pages on the layout of the job (labels' narrow
    // margins); the next job starts again from the printer's own.
    const KeptPageLayout kept(m_printer);
    QPrintPreviewDialog dialog(&m_printer, m_dialogParent);
    // Readable from the start: most of the screen, the page as wide as the view.
    const QScreen *screen = m_dialogParent ? m_dialogParent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        dialog.resize(room.width() * 9 / 10, room.height() * 9 / 10);
        dialog.move(room.center() - dialog.rect().center());
    }
    if (auto *preview = dialog.findChild<QPrintPreviewWidget *>())
        preview->fitToWidth();
    bool failed = false;
    // The preview paints on its own surface; the last request is the real print.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *printer) { failed = !paintSteps(*printer, steps); });
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    return failed ? Outcome::Failed : Outcome::Printed;
}

} // namespace pendrel
