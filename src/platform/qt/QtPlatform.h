#pragma once
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <QSettings>

class QWidget;

namespace pendrel {

class SystemClock : public Clock {
public:
    QDateTime readUtc() const override { return QDateTime::currentDateTimeUtc(); }
    QDateTime readLocal() const override { return QDateTime::currentDateTime(); }
};

// QSettings under organisation and application "QRP" (QRP/QRP.conf on Linux).
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    QString read(const QString &section, const QString &key, const QString &defaultValue) const override;
    void write(const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &section, const QString &key) override;
    // The file the settings live in (QRP.conf), which backups copy.
    QString filePath() const { return m_settings.fileName(); }

private:
    mutable QSettings m_settings;
};

// QMessageBox and QFileDialog, titled with the application's name, no icon.
class QtDialogs : public Dialogs {
public:
    void message(const QString &text) override;
    bool ask(const QString &text) override;
    QString openFile(const QString &title, const QString &directory, const QString &filter) override;
    QString saveFile(const QString &title, const QString &suggested, const QString &filter) override;
};

} // namespace pendrel
