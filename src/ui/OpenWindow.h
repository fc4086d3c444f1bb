#pragma once
#include <QWidget>

namespace pendrel::ui {

// Shows the window of class W named `name`, child of `owner`, or brings the
// open one forward: one window of a kind at a time. `make` creates it; it is
// deleted when closed, so the next opening loads it afresh.
template <typename W, typename Make>
W *openOnce(QWidget *owner, const QString &name, Make make)
{
    // A closed window lingers until its deletion: only a visible one counts.
    for (W *open : owner->findChildren<W *>(name, Qt::FindDirectChildrenOnly)) {
        if (open->isVisible()) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    W *window = make();
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->activateWindow();
    return window;
}

} // namespace pendrel::ui
