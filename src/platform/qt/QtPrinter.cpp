#include "platform/qt/QtPrinter.h"

#include <QPaintEngine>
#include <QPainter>
#include <QDir>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QTemporaryDir>

namespace pendrel {
namespace {

// Narrow margins: a report line of 116 fixed-pitch characters at 8 points
// needs nearly the whole width of an A4 sheet (198 mm).
void setUpPage(QPrinter &printer)
{
    printer.setPageMargins(QMarginsF(5, 10, 5, 10), QPageLayout::Millimeter);
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
    // A report whose lines are wider than the page is printed smaller, whole.
    if (!sheets) {
        StepSurface measure;
        measure.device = &printer;
        const double widest = walkPrintSteps(steps, measure).widest;
        if (widest > painter.viewport().width())
            pages.fontScale = painter.viewport().width() / widest * 0.99;
    }
    pages.painter = &painter;
    // A sheet of labels turns only at its end; a report turns when the page is full.
    pages.pageHeight = sheets ? 0 : painter.viewport().height();
    pages.turnPage = [&printer] { return printer.newPage(); };
    pages.dotsPerMm = printer.resolution() / 25.4;
    pages.printableMm = printer.pageLayout().paintRect(QPageLayout::Millimeter);
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

// The print dialog offers a PDF file named after the document in the current
// folder (when under the home folder): the current folder is the document's
// while a dialog is open, and the program's own again after.
class OfferedFolder {
public:
    explicit OfferedFolder(const QString &folder) : m_kept(QDir::currentPath())
    {
        if (!folder.isEmpty())
            QDir::setCurrent(folder);
    }
    ~OfferedFolder() { QDir::setCurrent(m_kept); }
    OfferedFolder(const OfferedFolder &) = delete;
    OfferedFolder &operator=(const OfferedFolder &) = delete;

private:
    QString m_kept;
};

} // namespace

bool paintSteps(QPrinter &printer, const QList<PrintStep> &steps)
{
    const bool sheets = !steps.isEmpty() && steps.first().kind == PrintStep::Kind::Sheets;
    if (sheets)
        setUpSheets(printer);
    return paintOnPages(printer, steps, sheets);
}

bool paintPdf(QPrinter &printer, const QList<PrintStep> &steps, FileWriter &writer, QString *error)
{
    if (!linesFollow(steps, 0))
        return true; // nothing to print, no file
    // Drawn whole into a scratch file first: the target is replaced only by a
    // complete PDF (a full disk leaves it as it was, never half a document).
    const QString target = printer.outputFileName();
    QTemporaryDir scratch;
    const QString drawn = scratch.filePath(QStringLiteral("impression.pdf"));
    printer.setOutputFileName(drawn);
    const bool painted = scratch.isValid() && paintSteps(printer, steps);
    printer.setOutputFileName(target);
    const FileBytes pdf = painted ? readFileBytes(drawn, NoSizeLimit) : FileBytes{ReadStatus::Error, {}, {}};
    if (pdf.status != ReadStatus::Ok || !pdf.bytes.trimmed().endsWith("%%EOF")) {
        if (error)
            *error = QStringLiteral("le document n'a pas pu être écrit en entier (disque plein ?)");
        return false;
    }
    return writer.replaceFile(target, pdf.bytes, error);
}

bool printStepsToPdf(const QList<PrintStep> &steps, const QString &path, QString *error, FileWriter &writer)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    setUpPage(printer);
    return paintPdf(printer, steps, writer, error);
}

QtPrinter::QtPrinter(QWidget *dialogParent) : m_printer(QPrinter::HighResolution), m_dialogParent(dialogParent)
{
    setUpPage(m_printer);
}

void QtPrinter::nameDocument(const QString &folder, const QString &name)
{
    m_folder = folder;
    m_printer.setDocName(name);
}

bool QtPrinter::choosePrinter()
{
    const OfferedFolder offered(m_folder);
    QPrintDialog dialog(&m_printer, m_dialogParent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::print(const QList<PrintStep> &steps)
{
    const KeptPageLayout kept(m_printer);
    return paintSteps(m_printer, steps);
}

Printer::Outcome QtPrinter::previewAndPrint(const QList<PrintStep> &steps, const SheetQuestion &ask)
{
    // A job with nothing to print (labels of an empty list) is abandoned once
    // the printer is chosen: no blank sheet, no empty preview.
    if (!linesFollow(steps, 0))
        return choosePrinter() ? Outcome::Printed : Outcome::Cancelled;
    // The preview shows the pages on the layout of the job (labels' narrow
    // margins); the next job starts again from the printer's own.
    const KeptPageLayout kept(m_printer);
    const OfferedFolder offered(m_folder);
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
    // A printer that stops at each sheet gets the first sheet from the dialog,
    // the others each once its question is answered.
    const QList<SheetJob> jobs = ask ? sheetJobs(steps) : QList<SheetJob>{{steps, {}}};
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *printer) {
        // The preview draws every sheet on a picture; anything else is the real print.
        const QPaintEngine *engine = printer->paintEngine();
        if (engine && engine->type() == QPaintEngine::Picture)
            failed = !paintSteps(*printer, steps);
        else if (printer->outputFormat() == QPrinter::PdfFormat) // a file: all sheets, no stop
            failed = !paintPdf(*printer, steps, FileWriter::standard(), nullptr);
        else
            failed = !paintSteps(*printer, jobs.first().steps);
    });
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    if (m_printer.outputFormat() != QPrinter::PdfFormat)
        for (qsizetype i = 0; !failed && i + 1 < jobs.size() && ask(jobs[i].question); ++i)
            failed = !paintSteps(m_printer, jobs[i + 1].steps);
    return failed ? Outcome::Failed : Outcome::Printed;
}

} // namespace pendrel
