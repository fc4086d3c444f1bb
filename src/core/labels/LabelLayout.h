#pragma once
#include "platform/Printer.h"

#include <QList>
#include <array>
#include <QString>
#include <QStringList>

namespace pendrel::labels {

// QSL labels: two labels a row, eight rows a sheet, made of fixed-pitch text
// lines in the printing font. The same steps feed the preview, the printer and
// the PDF file.

inline constexpr int FirstFormat = 1, LastFormat = 4; // the four label stocks
inline constexpr int RowsPerSheet = 8;
inline constexpr int TransceiverMaxLength = 8;
inline constexpr int AntennaMaxLength = 13;

struct LabelJob {
    int format = 1;            // label stock, 1 to 4
    bool french = true;        // French or English texts
    QString ownCallsign;       // as the main window shows it, "/P" included
    QString transceiver;       // as typed (checked against TransceiverMaxLength)
    QString antenna;           // as typed (checked against AntennaMaxLength)
    QStringList qsoLines;      // log list lines, in print order
    bool stopEachSheet = false; // ask "Page suivante ?" after each full sheet
    double offsetDown = 0, offsetRight = 0; // the printer's calibration, in millimetres
};

// The question asked after a full sheet when stopping at each sheet.
QString sheetQuestion(int format);

// The five text lines of one row (names, date, band, TX, title), each the
// left label's part followed by the right one's; `right` null for the blank
// label after an odd last QSO (the lines are then the left label's alone).
inline constexpr int RowTextLines = 5;
struct RowLines {
    std::array<QString, RowTextLines> lines;
    std::array<int, RowTextLines> splits{}; // where each line's right part starts (0: no right part)
};
// A line the same as that of `previous` shares its string.
RowLines rowLines(const LabelJob &job, const QString &left, const QString *right, const RowLines *previous = nullptr);

// The whole print job. Each row is placed on its labels of the stock (a Place
// step before its names line). With stopEachSheet, each full sheet is
// followed by a Question step and the end of its job; the steps after it are
// the answer Yes.
QList<PrintStep> labelSteps(const LabelJob &job);

// The steps as text, one per line, for scripts and tests:
// "L <points> <N|B> <text>", "B <points>", "Q <text>", "E" (job ended), "A" (job abandoned),
// "R <row> <top> <left> <height> <second column>" (a row's place on the sheet, in millimetres).
QStringList stepLines(const QList<PrintStep> &steps);

} // namespace pendrel::labels
