#include "platform/qt/QtPrinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QGuiApplication>
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

// True when a line or blank line follows `from`: the job goes on after an EndJob.
bool linesFollow(const QList<PrintStep> &steps, qsizetype from)
{
    for (qsizetype i = from; i < steps.size(); ++i)
        if (steps[i].kind == PrintStep::Kind::Line || steps[i].kind == PrintStep::Kind::BlankLine)
            return true;
    return false;
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

} // namespace

QFont printFont(const QString &family, int pointSize, bool bold)
{
    QFont font(family);
    // Without the family itself (as on Linux), take a metric-compatible fixed-pitch face.
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setBold(bold);
    return font;
}

namespace {

bool paintOnPages(QPrinter &printer, const QList<PrintStep> &steps, bool sheets)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(printFont(QStringLiteral("Courier New"), 10, false));
    const int pageHeight = painter.viewport().height();
    int y = 0; // top of the next line, from the top of the printable area
    bool ok = true;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const PrintStep &step = steps[i];
        switch (step.kind) {
        case PrintStep::Kind::Font:
            painter.setFont(printFont(step.text, step.pointSize, step.bold));
            break;
        case PrintStep::Kind::Line:
        case PrintStep::Kind::BlankLine: {
            const QFontMetrics metrics = painter.fontMetrics();
            // A sheet of labels turns only at its end; a report turns when the page is full.
            if (!sheets && y > 0 && y + metrics.height() > pageHeight) {
                ok = printer.newPage();
                y = 0;
            }
            if (step.kind == PrintStep::Kind::Line)
                painter.drawText(0, y + metrics.ascent(), step.text);
            y += metrics.lineSpacing();
            break;
        }
        case PrintStep::Kind::NewPage:
            ok = printer.newPage();
            y = 0;
            break;
        case PrintStep::Kind::EndJob:
            // The sheet is done; the next one, if any, starts on a new page.
            if (!linesFollow(steps, i + 1))
                return painter.end();
            ok = printer.newPage();
            y = 0;
            break;
        case PrintStep::Kind::Sheets:
        case PrintStep::Kind::Question:
            break;
        case PrintStep::Kind::AbandonJob:
            printer.abort();
            painter.end();
            return true;
        }
        if (!ok)
            break;
    }
    return painter.end() && ok;
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
