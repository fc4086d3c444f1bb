#pragma once

class QWidget;

namespace pendrel::ui {

// Every window is centred on its screen the first time it is shown, once its
// size is known; later showings leave it where the operator put it.
void centreWhenFirstShown(QWidget *window);

} // namespace pendrel::ui
