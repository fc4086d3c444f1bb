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

QFont printFont(const QString &family, int pointSize, bool bold)
{
    QFont font(family);
    // Without the family itself (as on Linux), take a metric-compatible fixed-pitch face.
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setBold(bold);
    return font;
}

} // namespace

bool paintSteps(QPrinter &printer, const QList<PrintStep> &steps)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(printFont(QStringLiteral("Courier New"), 10, false));
    const int pageHeight = painter.viewport().height();
    int y = 0; // top of the next line, from the top of the printable area
    bool ok = true;
    for (const PrintStep &step : steps) {
        switch (step.kind) {
        case PrintStep::Kind::Font:
            painter.setFont(printFont(step.text, step.pointSize, step.bold));
            break;
        case PrintStep::Kind::Line:
        case PrintStep::Kind::BlankLine: {
            const QFontMetrics metrics = painter.fontMetrics();
            if (y > 0 && y + metrics.height() > pageHeight) {
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
            return painter.end();
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
    return paintSteps(m_printer, steps);
}

Printer::Outcome QtPrinter::previewAndPrint(const QList<PrintStep> &steps)
{
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
