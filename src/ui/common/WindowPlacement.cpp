#include "ui/common/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace pendrel::ui {
namespace {

// Inside the screen's available area, no larger than it (as far as the
// window's least size allows: its title bar stays reachable), centred.
void placeOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QSize frame = window->frameGeometry().size() - window->size();
    if (frame.isNull()) // not framed yet by the window manager: a title bar and borders
        frame = QSize(12, 40);
    const QSize room = area.size() - frame;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    const QSize size = window->frameGeometry().size();
    window->move(std::max(area.left(), area.left() + (area.width() - size.width()) / 2),
                 std::max(area.top(), area.top() + (area.height() - size.height()) / 2));
}

// Centres the window it watches at its first Show event, then goes.
class CentreOnShow : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            placeOnScreen(static_cast<QWidget *>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void centreWhenFirstShown(QWidget *window)
{
    window->installEventFilter(new CentreOnShow(window));
}

} // namespace pendrel::ui
