#pragma once
#include <QList>
#include <QString>

namespace pendrel {

// The printing font of reports and labels, named as the printer drivers know
// it; where it is missing (Linux) the printer takes a metric-compatible
// fixed-pitch face, so the columns line up all the same.
inline const QString PrintFontFamily = QStringLiteral("Courier New");

// One step of a print job laid out by the core: reports and labels are lists
// of these, walked by the printer seam.
struct PrintStep {
    // Sheets: the job lays out whole sheets itself (labels): narrow margins,
    // no page turned but by EndJob. Question: the question asked of the
    // operator at that point (answered before printing; printers skip it).
    // An EndJob followed by more lines sends the sheet and starts the next.
    enum class Kind { Font, Line, BlankLine, NewPage, EndJob, AbandonJob, Sheets, Question };
    Kind kind = Kind::Line;
    QString text;          // Line: the text; Font: the family
    int pointSize = 0;     // Font
    bool bold = false;     // Font

    static PrintStep font(const QString &family, int size, bool bold) { return {Kind::Font, family, size, bold}; }
    static PrintStep line(const QString &text) { return {Kind::Line, text, 0, false}; }
    static PrintStep blankLine() { return {Kind::BlankLine, {}, 0, false}; }
    static PrintStep newPage() { return {Kind::NewPage, {}, 0, false}; }
    static PrintStep endJob() { return {Kind::EndJob, {}, 0, false}; }
    static PrintStep abandonJob() { return {Kind::AbandonJob, {}, 0, false}; }
    static PrintStep sheets() { return {Kind::Sheets, {}, 0, false}; }
    static PrintStep question(const QString &text) { return {Kind::Question, text, 0, false}; }
    bool operator==(const PrintStep &) const = default;
};

// The printer and its choice dialog.
class Printer {
public:
    virtual ~Printer() = default;
    // Shows the printer dialog (with preview); false when the operator cancels.
    virtual bool choosePrinter() = 0;
    // Prints the steps on the chosen printer; false on a printer failure.
    virtual bool print(const QList<PrintStep> &steps) = 0;

    enum class Outcome { Printed, Cancelled, Failed };
    // The whole job as the operator sees it: the choice (the Qt printer shows
    // a preview of `steps` from which the operator prints or saves a PDF),
    // then the printing.
    virtual Outcome previewAndPrint(const QList<PrintStep> &steps)
    {
        if (!choosePrinter())
            return Outcome::Cancelled;
        return print(steps) ? Outcome::Printed : Outcome::Failed;
    }
};

} // namespace pendrel
