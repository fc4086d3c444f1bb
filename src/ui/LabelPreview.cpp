#include "ui/LabelPreview.h"

#include "platform/qt/QtPrinter.h"

#include <QPainter>

namespace pendrel::ui {
namespace {

constexpr double kScale = 0.7;
constexpr int kLabelColumns = 43; // the left label's part of an 11-point line

QFont scaled(QFont font, int pointSize)
{
    font.setPointSizeF(pointSize * kScale);
    return font;
}

// Walks the steps as the printer does; measures when `painter` is null.
QSize walk(const QList<PrintStep> &steps, QPainter *painter)
{
    QFont font = scaled(printFont(QStringLiteral("Courier New"), 10, false), 10);
    int y = 0;
    for (const PrintStep &step : steps) {
        if (step.kind == PrintStep::Kind::Font) {
            font = scaled(printFont(step.text, step.pointSize, step.bold), step.pointSize);
        } else if (step.kind == PrintStep::Kind::Line || step.kind == PrintStep::Kind::BlankLine) {
            const QFontMetrics metrics(font);
            if (painter && step.kind == PrintStep::Kind::Line) {
                painter->setFont(font);
                painter->drawText(0, y + metrics.ascent(), step.text);
            }
            y += metrics.lineSpacing();
        } else if (step.kind == PrintStep::Kind::EndJob || step.kind == PrintStep::Kind::AbandonJob) {
            break;
        }
    }
    const int width = QFontMetrics(scaled(printFont(QStringLiteral("Courier New"), 11, false), 11))
                          .horizontalAdvance(QString(kLabelColumns, u'M'));
    return {width, y};
}

} // namespace

LabelPreview::LabelPreview(QList<PrintStep> steps, QWidget *parent)
    : QWidget(parent), m_steps(std::move(steps)), m_size(walk(m_steps, nullptr))
{
    setFixedSize(m_size);
}

QSize LabelPreview::sizeHint() const { return m_size; }

void LabelPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.setClipRect(rect());
    walk(m_steps, &painter);
}

} // namespace pendrel::ui
