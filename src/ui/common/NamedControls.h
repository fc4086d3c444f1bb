#pragma once
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace pendrel::ui {

// Gives a control its name, the object name tests and code find it by.
template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The plain controls every window makes, named.
inline QLabel *namedLabel(const char *name, const QString &text, QWidget *parent)
{
    return named(new QLabel(text, parent), name);
}

inline QPushButton *namedButton(const char *name, const QString &text, QWidget *parent)
{
    return named(new QPushButton(text, parent), name);
}

} // namespace pendrel::ui
