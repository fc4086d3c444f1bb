#pragma once
#include <QShortcut>
#include <QWidget>

namespace pendrel::ui {

// Shows the window of class W named `name`, child of `owner`, or brings the
// open one forward: one window of a kind at a time. `make` creates it; it is
// deleted when closed, so the next opening loads it afresh. `renew` is given
// the window, new or open, before it is shown (the map it shows, the
// selection it prints). Escape closes it, as in every desktop program.
template <typename W, typename Make, typename Renew = void (*)(W *)>
W *openOnce(QWidget *owner, const QString &name, Make make, Renew renew = [](W *) {})
{
    W *window = nullptr;
    // A closed window lingers until its deletion: only a visible one counts.
    if (owner)
        for (W *open : owner->findChildren<W *>(name, Qt::FindDirectChildrenOnly))
            if (open->isVisible())
                window = open;
    if (!window) {
        window = make();
        window->setObjectName(name);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated, window,
                         &QWidget::close);
    }
    renew(window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace pendrel::ui
