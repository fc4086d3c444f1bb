#include "core/labels/LabelStock.h"

#include "core/labels/LabelLayout.h"

namespace pendrel::labels {

QRectF LabelStock::leftLabel(int row, double down, double right) const
{
    return {left + right, top + (row - 1) * verticalPitch + down, labelWidth, labelHeight};
}

const LabelStock &labelStock(int format)
{
    // AVERY L7162 as its published template gives it; the others, which have
    // none at hand, as two columns of labels of their caption's size centred
    // on A4 (the top margins of their makers).
    static const LabelStock stocks[] = {
        {QStringLiteral("AVERY L7162"), 210, 297, 99.1, 33.9, 2, 8, 12.9, 4.65, 101.6, 33.9},
        {QStringLiteral("DECADRY OLW 4732"), 210, 297, 99.1, 34, 2, 8, 12.5, 4.65, 101.6, 34},
        {QStringLiteral("AVERY DP 167"), 210, 297, 105, 37, 2, 8, 0.5, 0, 105, 37},
        {QStringLiteral("DECADRY DLW 1799"), 210, 297, 105, 35, 2, 8, 8.5, 0, 105, 35},
    };
    return stocks[format >= FirstFormat && format <= LastFormat ? format - 1 : 0];
}

} // namespace pendrel::labels
