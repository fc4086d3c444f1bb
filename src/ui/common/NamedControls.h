#pragma once
#include <QDialog>
#include <QDialogButtonBox>
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

// OK and "Annuler" for a settings dialog, OK named `okName`, wired to accept and reject.
inline QDialogButtonBox *okCancelButtons(QDialog *dialog, const char *okName)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    named(buttons->button(QDialogButtonBox::Ok), okName);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace pendrel::ui
