// The main window from the keyboard: F10 opens the menu bar, the log list
// shows when it has the focus, and quitting asks first when a QSO is being typed.
#include "ui/main/EntryLine.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

namespace pendrel::ui {

void Main::connectKeyboard()
{
    auto *openMenus = new QAction(this);
    openMenus->setObjectName(QStringLiteral("Ouvrir_Menus"));
    openMenus->setShortcut(QKeySequence(Qt::Key_F10));
    connect(openMenus, &QAction::triggered, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().first());
    });
    addAction(openMenus);

    // The same frame with or without the focus, only its colour changes: the list does not move.
    m_c.Liste_Orvil->setStyleSheet(QStringLiteral("#Liste_Orvil { border: 2px solid palette(mid); }"
                                                  "#Liste_Orvil:focus { border: 2px solid palette(highlight); }"));
}

void Main::closeEvent(QCloseEvent *event)
{
    if (!m_ended && m_entryLine && m_entryLine->halfTyped() &&
        !m_platform.dialogs.ask(QStringLiteral("Un QSO est en cours de saisie : quitter sans l'enregistrer ?"))) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram(0);
}

} // namespace pendrel::ui

namespace pendrel::ui {

bool Main::entryHalfTyped() const
{
    return m_entryLine && m_entryLine->halfTyped();
}

} // namespace pendrel::ui
