#pragma once
#include <QColor>

class QWidget;

namespace pendrel::ui {

// The states of an entry field, shown by its background: the field waiting
// for input, a confirmed or locked field, and a confirmed station field.
enum class FieldState { Current, Done, Neutral };

inline const QColor CurrentColour(192, 255, 192); // light green
inline const QColor DoneColour(255, 255, 192);    // light yellow

void paintField(QWidget *field, FieldState state);
QColor fieldColour(const QWidget *field);

} // namespace pendrel::ui
