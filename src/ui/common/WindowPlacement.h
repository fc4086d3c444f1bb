#pragma once

class QWidget;

namespace pendrel::ui {

// Every window is centred on its screen the first time it is shown, once its
// size is known, and kept inside the screen's available area (made smaller
// when it is larger than the screen); later showings leave it where the
// operator put it.
void centreWhenFirstShown(QWidget *window);

} // namespace pendrel::ui
