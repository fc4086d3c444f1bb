#pragma once
#include <QByteArray>
#include <QList>

namespace pendrel {

struct EnvironmentSetting {
    QByteArray name;
    QByteArray value;
    bool operator==(const EnvironmentSetting &) const = default;
};

// What the embedded web engine needs in the environment before the
// application object exists: no sandbox for the root user (Chromium refuses
// to start as root with it), and software rendering on the offscreen
// platform (no GPU there). Variables the user already set are respected.
QList<EnvironmentSetting> webEngineEnvironment(bool runningAsRoot, const QByteArray &qpaPlatform,
                                               const QByteArray &disableSandbox, const QByteArray &chromiumFlags);

// Applies the above to this process, from its user and environment.
// Returns true on the offscreen platform (software OpenGL is then wanted too).
bool prepareWebEngineEnvironment();

} // namespace pendrel
