#pragma once
#include <QString>

namespace pendrel {

// Per-user key/value store addressed by section and key (application "QRP").
// Section names are used verbatim, trailing blank included ("Setup ").
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &section, const QString &key, const QString &defaultValue) const = 0;
    virtual void write(const QString &section, const QString &key, const QString &value) = 0;
    // Makes the key absent again (an undo puts a setting back as it was).
    virtual void remove(const QString &section, const QString &key) = 0;
};

} // namespace pendrel
