#pragma once
#include <QRectF>
#include <QString>

namespace pendrel::labels {

// A sheet of labels as its maker describes it, in millimetres: where the
// first label lies, its size, and the pitches to the next label across and
// down. Every stock of the label window is two columns of eight rows on A4.
struct LabelStock {
    QString name;
    double sheetWidth, sheetHeight;
    double labelWidth, labelHeight;
    int columns, rows;
    double top, left;
    double horizontalPitch, verticalPitch;

    // The left label of row `row` (from 1), moved by the printer's calibration.
    QRectF leftLabel(int row, double down = 0, double right = 0) const;
    // Where the right label of a row starts across the sheet.
    double secondColumn(double right = 0) const { return left + horizontalPitch + right; }
};

// The stock of format 1 to 4; any other format gives the first.
const LabelStock &labelStock(int format);

} // namespace pendrel::labels
