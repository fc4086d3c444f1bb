#pragma once
#include <QList>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

namespace pendrel {

// The printing font of reports and labels, named as the printer drivers know
// it; where it is missing (Linux) the printer takes a metric-compatible
// fixed-pitch face, so the columns line up all the same.
inline const QString PrintFontFamily = QStringLiteral("Courier New");

// Where a row of labels lies on the sheet, in millimetres: the left label,
// and where the right label starts across the sheet.
struct RowPlace {
    QRectF area;
    double secondColumn = 0;
    bool operator==(const RowPlace &) const = default;
};

// One step of a print job laid out by the core: reports and labels are lists
// of these, walked by the printer seam.
struct PrintStep {
    // Sheets: the job lays out whole sheets itself (labels): narrow margins,
    // no page turned but by EndJob. Question: the question asked of the
    // operator at that point (answered before printing; printers skip it).
    // An EndJob followed by more lines sends the sheet and starts the next.
    // Place: the lines that follow, up to the next Place or end of the sheet,
    // are one row of labels that lies in `area` (the left label, in
    // millimetres from the sheet's top-left corner; `secondColumn` is where
    // the right label starts: see rowPlace()): the printer draws them there,
    // squeezed evenly when they would not fit.
    // A Line or BlankLine may carry its font (pointSize above 0): it is then
    // printed in the printing font of that size and weight, which stays in use
    // after it, as after a Font step. Labels change font every few lines of
    // hundreds of thousands; a step for each change would be half their steps.
    enum class Kind : quint8 { Font, Line, BlankLine, NewPage, EndJob, AbandonJob, Sheets, Question, Place };
    Kind kind = Kind::Line;
    bool bold = false;     // Font, or a Line or BlankLine that carries its font
    int pointSize = 0;     // Font, or a Line or BlankLine that carries its font; Place: the row on the sheet, from 1
    int split = 0;         // Line in a placed row: the column where the right label's text starts (0: none)
    int lines = 1;         // BlankLine: how many (a run of blank lines is one step)
    QString text;          // Line: the text; Font: the family
    // Place: held apart and shared by the copies of the step, so that the
    // steps of a label job, which are lines for the most part, stay small.
    std::shared_ptr<const RowPlace> placed;

    static PrintStep of(Kind kind, const QString &text = {})
    {
        PrintStep step;
        step.kind = kind;
        step.text = text;
        return step;
    }
    static PrintStep font(const QString &family, int size, bool bold)
    {
        PrintStep step = of(Kind::Font, family);
        step.pointSize = size;
        step.bold = bold;
        return step;
    }
    static PrintStep line(const QString &text, int split = 0)
    {
        PrintStep step = of(Kind::Line, text);
        step.split = split;
        return step;
    }
    static PrintStep lineIn(int pointSize, bool bold, const QString &text, int split = 0)
    {
        PrintStep step = line(text, split);
        step.pointSize = pointSize;
        step.bold = bold;
        return step;
    }
    static PrintStep place(int row, const QRectF &area, double secondColumn)
    {
        PrintStep step = of(Kind::Place);
        step.pointSize = row;
        step.placed = std::make_shared<const RowPlace>(RowPlace{area, secondColumn});
        return step;
    }
    static PrintStep blankLine() { return of(Kind::BlankLine); }
    static PrintStep blankLines(int count)
    {
        PrintStep step = of(Kind::BlankLine);
        step.lines = count;
        return step;
    }
    static PrintStep blankLinesIn(int pointSize, int count)
    {
        PrintStep step = blankLines(count);
        step.pointSize = pointSize;
        return step;
    }
    // Whether the step changes the font: a Font step, or a line that carries its font.
    bool setsFont() const
    {
        return kind == Kind::Font || (pointSize > 0 && (kind == Kind::Line || kind == Kind::BlankLine));
    }
    QString fontFamily() const { return kind == Kind::Font ? text : PrintFontFamily; }
    static PrintStep newPage() { return of(Kind::NewPage); }
    static PrintStep endJob() { return of(Kind::EndJob); }
    static PrintStep abandonJob() { return of(Kind::AbandonJob); }
    static PrintStep sheets() { return of(Kind::Sheets); }
    static PrintStep question(const QString &text) { return of(Kind::Question, text); }
    const RowPlace &rowPlace() const
    {
        static const RowPlace none;
        return placed ? *placed : none;
    }
    bool operator==(const PrintStep &other) const
    {
        return kind == other.kind && bold == other.bold && pointSize == other.pointSize && split == other.split &&
               lines == other.lines && text == other.text && rowPlace() == other.rowPlace();
    }
};

// True when a line or blank line follows `from`: the job goes on after an EndJob.
bool linesFollow(const QList<PrintStep> &steps, qsizetype from);

// One job of a print that stops at each sheet: its steps (each begins with
// Sheets and the font in use), and the question asked once it has gone
// (empty: none, the last job).
struct SheetJob {
    QList<PrintStep> steps;
    QString question;
};
// Cuts the steps at their Question steps into the jobs sent one by one; the
// question of a job after which no line follows is dropped.
QList<SheetJob> sheetJobs(const QList<PrintStep> &steps);

// The question asked once a sheet has gone to the printer ("Page suivante ?"):
// false ends the print.
using SheetQuestion = std::function<bool(const QString &question)>;

// The printer and its choice dialog.
class Printer {
public:
    virtual ~Printer() = default;
    // Shows the printer dialog (with preview); false when the operator cancels.
    virtual bool choosePrinter() = 0;
    // Prints the steps on the chosen printer; false on a printer failure.
    virtual bool print(const QList<PrintStep> &steps) = 0;
    // The name of the next document and the folder where a PDF of it is
    // offered ("Imprimer dans un fichier"), without its ".pdf".
    virtual void nameDocument(const QString &folder, const QString &name) = 0;

    enum class Outcome { Printed, Cancelled, Failed };
    // The whole job as the operator sees it: the choice (the Qt printer shows
    // a preview of `steps` from which the operator prints or saves a PDF),
    // then the printing. With `ask`, a printer (not a file) gets each sheet as
    // a job of its own and `ask` is put each sheet's question once the sheet
    // has gone; without it, or into a file, the questions are skipped.
    virtual Outcome previewAndPrint(const QList<PrintStep> &steps, const SheetQuestion &ask = {})
    {
        if (!choosePrinter())
            return Outcome::Cancelled;
        return printSheets(steps, ask) ? Outcome::Printed : Outcome::Failed;
    }

protected:
    // Prints the steps as one job, or with `ask` one job a sheet (sheetJobs),
    // asking each question after its sheet. False on a printer failure.
    bool printSheets(const QList<PrintStep> &steps, const SheetQuestion &ask);
};

} // namespace pendrel
