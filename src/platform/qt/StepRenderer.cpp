#include "platform/qt/StepRenderer.h"

#include <QFontMetrics>
#include <QPainter>

namespace pendrel {

QFont printFont(const QString &family, int pointSize, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setBold(bold);
    return font;
}

namespace {

// A row of labels as drawn: its top, the x of its two labels and how much
// each line's height is squeezed so that the row fits its labels and the page.
struct PlacedRow {
    bool active = false;
    double squeeze = 1.0;
    int left = 0, right = 0;
};

// The height of the row that starts after `from`: its lines up to the last
// one before the next Place or the end of the sheet, in the fonts they use.
double rowHeight(const QList<PrintStep> &steps, qsizetype from, QFont font, double scale, QPaintDevice *device)
{
    double height = 0, lastLine = 0;
    for (qsizetype i = from + 1; i < steps.size(); ++i) {
        const PrintStep &step = steps[i];
        if (step.kind == PrintStep::Kind::Place || step.kind == PrintStep::Kind::EndJob ||
            step.kind == PrintStep::Kind::AbandonJob || step.kind == PrintStep::Kind::Question)
            break;
        if (step.setsFont()) {
            font = printFont(step.fontFamily(), step.pointSize, step.bold);
            font.setPointSizeF(font.pointSizeF() * scale);
        }
        if (step.kind == PrintStep::Kind::Line || step.kind == PrintStep::Kind::BlankLine) {
            const QFontMetrics m = device ? QFontMetrics(font, device) : QFontMetrics(font);
            height += m.lineSpacing() * step.lines;
            if (step.kind == PrintStep::Kind::Line)
                lastLine = height;
        }
    }
    return lastLine;
}

} // namespace

StepWalk walkPrintSteps(const QList<PrintStep> &steps, const StepSurface &surface)
{
    const auto scaled = [&surface](QFont font) {
        if (surface.fontScale != 1.0)
            font.setPointSizeF(font.pointSizeF() * surface.fontScale);
        return font;
    };
    QFont font;
    const auto setFont = [&](const QFont &chosen) {
        font = scaled(chosen);
        if (surface.painter)
            surface.painter->setFont(font);
    };
    QPaintDevice *device = surface.painter ? surface.painter->device() : surface.device;
    const auto metrics = [&] { return device ? QFontMetrics(font, device) : QFontMetrics(font); };
    StepWalk walk;
    int y = 0; // top of the next line, from the top of the page
    PlacedRow row;
    double rowY = 0; // the exact position in a placed row, squeezed
    const auto finish = [&] {
        walk.bottom = y;
        return walk;
    };
    // Without a next page (a sample shows the first sheet only), the walk is over.
    const auto nextPage = [&] {
        if (!surface.turnPage)
            return false;
        walk.end = surface.turnPage() ? StepWalk::End::Finished : StepWalk::End::Failed;
        y = 0;
        row = {};
        return walk.end == StepWalk::End::Finished;
    };

    setFont(printFont(PrintFontFamily, 10, false));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const PrintStep &step = steps[i];
        switch (step.kind) {
        case PrintStep::Kind::Font:
            setFont(printFont(step.text, step.pointSize, step.bold));
            break;
        case PrintStep::Kind::Line:
        case PrintStep::Kind::BlankLine:
            if (step.setsFont())
                setFont(printFont(step.fontFamily(), step.pointSize, step.bold));
            // A run of blank lines is one step: each line still turns the page when it must.
            for (int n = 0; n < step.lines; ++n) {
                const QFontMetrics m = metrics();
                if (surface.pageHeight > 0 && y > 0 && y + m.height() > surface.pageHeight && !nextPage())
                    return finish();
                if (step.kind == PrintStep::Kind::Line)
                    walk.widest = std::max(walk.widest, double(m.horizontalAdvance(step.text)));
                if (surface.painter && step.kind == PrintStep::Kind::Line) {
                    if (row.active && step.split > 0) {
                        surface.painter->drawText(row.left, y + m.ascent(), step.text.left(step.split));
                        surface.painter->drawText(row.right, y + m.ascent(), step.text.mid(step.split));
                    } else {
                        surface.painter->drawText(row.left, y + m.ascent(), step.text);
                    }
                }
                if (row.active) {
                    rowY += m.lineSpacing() * row.squeeze;
                    y = int(rowY);
                } else {
                    y += m.lineSpacing();
                }
            }
            break;
        case PrintStep::Kind::Place: {
            if (surface.dotsPerMm <= 0)
                break;
            // The row lies on its labels and inside what the printer reaches.
            const QRectF page = surface.printableMm;
            const RowPlace &place = step.rowPlace();
            const double top = std::max(place.area.top(), page.top());
            const double bottom = std::min(place.area.bottom(), page.bottom());
            const double room = std::max(0.0, bottom - top) * surface.dotsPerMm;
            const double needed = rowHeight(steps, i, font, surface.fontScale, device);
            row.active = true;
            row.squeeze = needed > room && needed > 0 ? room / needed : 1.0;
            row.left = int((std::max(place.area.left(), page.left()) - page.left()) * surface.dotsPerMm);
            row.right = int((place.secondColumn - page.left()) * surface.dotsPerMm);
            rowY = (top - page.top()) * surface.dotsPerMm;
            y = int(rowY);
            break;
        }
        case PrintStep::Kind::NewPage:
            if (!nextPage())
                return finish();
            break;
        case PrintStep::Kind::EndJob:
            // The sheet is done; the next one, if any, starts on a new page.
            if (!linesFollow(steps, i + 1) || !nextPage())
                return finish();
            break;
        case PrintStep::Kind::Sheets:
        case PrintStep::Kind::Question:
            break;
        case PrintStep::Kind::AbandonJob:
            walk.end = StepWalk::End::Abandoned;
            return finish();
        }
    }
    return finish();
}

} // namespace pendrel
