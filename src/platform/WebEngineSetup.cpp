#include "platform/WebEngineSetup.h"

#include <QtGlobal>
#include <unistd.h>

namespace pendrel {

QList<EnvironmentSetting> webEngineEnvironment(bool runningAsRoot, const QByteArray &qpaPlatform,
                                               const QByteArray &disableSandbox, const QByteArray &chromiumFlags)
{
    QList<EnvironmentSetting> settings;
    if (runningAsRoot && disableSandbox.isEmpty())
        settings.append(EnvironmentSetting{"QTWEBENGINE_DISABLE_SANDBOX", "1"});
    if (qpaPlatform.startsWith("offscreen") && !chromiumFlags.contains("--disable-gpu")) {
        const QByteArray flags = chromiumFlags.trimmed();
        settings.append(EnvironmentSetting{"QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? "--disable-gpu" : flags + " --disable-gpu"});
    }
    return settings;
}

bool prepareWebEngineEnvironment()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (const EnvironmentSetting &setting :
         webEngineEnvironment(geteuid() == 0, platform, qgetenv("QTWEBENGINE_DISABLE_SANDBOX"),
                              qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")))
        qputenv(setting.name.constData(), setting.value);
    return platform.startsWith("offscreen");
}

} // namespace pendrel
