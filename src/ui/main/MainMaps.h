#pragma once

class QAction;

namespace pendrel::ui {

class Main;

// The three entries of the "Carte" menu: the départements map and the two
// locator choosers, all read from the current station kind's log.
void connectMapMenus(Main &main, QAction *departements, QAction *fields, QAction *world);

} // namespace pendrel::ui
