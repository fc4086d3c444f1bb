#include "ui/labels/LabelPreview.h"

#include "platform/qt/StepRenderer.h"

#include <QPainter>

namespace pendrel::ui {
namespace {

constexpr double kScale = 0.7;
constexpr int kLabelColumns = 43; // the left label's part of an 11-point line

// The first sheet of the steps, smaller; measured only when `painter` is null.
StepWalk drawFirstSheet(const QList<PrintStep> &steps, QPainter *painter)
{
    StepSurface sample;
    sample.painter = painter;
    sample.fontScale = kScale;
    return walkPrintSteps(steps, sample);
}

QSize sampleSize(const QList<PrintStep> &steps)
{
    QFont font = printFont(PrintFontFamily, 11, false);
    font.setPointSizeF(font.pointSizeF() * kScale);
    return {QFontMetrics(font).horizontalAdvance(QString(kLabelColumns, u'M')), drawFirstSheet(steps, nullptr).bottom};
}

} // namespace

LabelPreview::LabelPreview(QList<PrintStep> steps, QWidget *parent)
    : QWidget(parent), m_steps(std::move(steps)), m_size(sampleSize(m_steps))
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
    drawFirstSheet(m_steps, &painter);
}

} // namespace pendrel::ui
