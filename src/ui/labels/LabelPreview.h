#pragma once
#include "platform/Printer.h"

#include <QWidget>

namespace pendrel::ui {

// A sample label drawn from the print steps of the labels, as the printer
// would draw them, at a reduced scale and cut at the left label's edge.
class LabelPreview : public QWidget {
public:
    LabelPreview(QList<PrintStep> steps, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<PrintStep> m_steps;
    QSize m_size;
};

} // namespace pendrel::ui
