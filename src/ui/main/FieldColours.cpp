#include "ui/main/FieldColours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace pendrel::ui {

void paintField(QWidget *field, FieldState state)
{
    QPalette palette = field->palette();
    const QColor colour = state == FieldState::Current ? CurrentColour
                          : state == FieldState::Done  ? DoneColour
                                                       : QApplication::palette().color(QPalette::Button);
    // Base paints text boxes and editable combo boxes, Button the rest; the
    // disabled group is set too so that a locked field keeps its colour.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    field->setPalette(palette);
    field->setAutoFillBackground(true);
}

QColor fieldColour(const QWidget *field)
{
    return field->palette().color(QPalette::Active, QPalette::Base);
}

} // namespace pendrel::ui
