#pragma once

class QWidget;

namespace pendrel::ui {

// Every window centres itself on its screen when it loads.
void centreOnScreen(QWidget *window);
// Centres `window` when it is first shown, once its size is known.
void centreWhenFirstShown(QWidget *window);

} // namespace pendrel::ui
