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

bool linesFollow(const QList<PrintStep> &steps, qsizetype from)
{
    for (qsizetype i = from; i < steps.size(); ++i)
        if (steps[i].kind == PrintStep::Kind::Line || steps[i].kind == PrintStep::Kind::BlankLine)
            return true;
    return false;
}

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
    const auto metrics = [&] {
        return surface.painter ? QFontMetrics(font, surface.painter->device()) : QFontMetrics(font);
    };
    StepWalk walk;
    int y = 0; // top of the next line, from the top of the page
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
        case PrintStep::Kind::BlankLine: {
            const QFontMetrics m = metrics();
            if (surface.pageHeight > 0 && y > 0 && y + m.height() > surface.pageHeight && !nextPage())
                return finish();
            if (surface.painter && step.kind == PrintStep::Kind::Line)
                surface.painter->drawText(0, y + m.ascent(), step.text);
            y += m.lineSpacing();
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
