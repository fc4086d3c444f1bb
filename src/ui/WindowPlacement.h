#pragma once

class QWidget;

namespace pendrel::ui {

// Every window centres itself on its screen when it loads.
void centreOnScreen(QWidget *window);

} // namespace pendrel::ui
