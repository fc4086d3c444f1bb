#pragma once
#include "ui/NamedControls.h"

#include <QString>
#include <QWidget>

namespace pendrel::ui {

// The window of type W named `name` that `owner` has open, or nullptr. A
// closed window lingers until its deletion: only a visible one counts.
template <class W>
W *openWindowNamed(QWidget *owner, const QString &name)
{
    for (W *window : owner->findChildren<W *>(name, Qt::FindDirectChildrenOnly))
        if (window->isVisible())
            return window;
    return nullptr;
}

// Shows an open window again in front of the others.
inline void bringForward(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace pendrel::ui
