#include "platform/qt/QtPrinter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>

namespace pendrel {

bool QtPrinter::choosePrinter()
{
    QPrintDialog dialog(&m_printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::print(const QList<PrintStep> &steps)
{
    QPainter painter;
    int y = 0;
    auto lineHeight = [&] { return QFontMetrics(painter.font(), &m_printer).lineSpacing(); };
    auto nextLine = [&] {
        if (y + lineHeight() > m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height()) {
            m_printer.newPage();
            y = 0;
        }
    };
    for (const PrintStep &step : steps) {
        if (!painter.isActive() && step.kind != PrintStep::Kind::AbandonJob && !painter.begin(&m_printer))
            return false;
        switch (step.kind) {
        case PrintStep::Kind::Font:
            painter.setFont(QFont(step.text, step.pointSize, step.bold ? QFont::Bold : QFont::Normal));
            break;
        case PrintStep::Kind::Line:
            nextLine();
            painter.drawText(0, y + QFontMetrics(painter.font(), &m_printer).ascent(), step.text);
            y += lineHeight();
            break;
        case PrintStep::Kind::BlankLine:
            nextLine();
            y += lineHeight();
            break;
        case PrintStep::Kind::NewPage:
            m_printer.newPage();
            y = 0;
            break;
        case PrintStep::Kind::EndJob:
            if (painter.isActive())
                painter.end();
            y = 0;
            break;
        case PrintStep::Kind::AbandonJob:
            m_printer.abort();
            if (painter.isActive())
                painter.end();
            return true;
        }
    }
    if (painter.isActive())
        painter.end();
    return true;
}

} // namespace pendrel
