#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace pendrel {

QtSettingsStore::QtSettingsStore() : m_settings(QStringLiteral("QRP"), QStringLiteral("QRP")) {}

QString QtSettingsStore::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QVariant value = m_settings.value(section + u'/' + key, defaultValue);
    // A hand-edited value with a comma and no quotes reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void QtSettingsStore::remove(const QString &section, const QString &key)
{
    m_settings.remove(section + u'/' + key);
    m_settings.sync();
}

void QtSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    m_settings.setValue(section + u'/' + key, value);
    m_settings.sync();
}

namespace {

QMessageBox::StandardButton showBox(const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, buttons,
                    QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtDialogs::message(const QString &text)
{
    showBox(text, QMessageBox::Ok);
}

bool QtDialogs::ask(const QString &text)
{
    return showBox(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtDialogs::openFile(const QString &title, const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, directory, filter);
}

QString QtDialogs::saveFile(const QString &title, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filter);
}

} // namespace pendrel
