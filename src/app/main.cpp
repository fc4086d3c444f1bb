#include "platform/DataFolder.h"
#include "platform/Platform.h"
#include "platform/qt/ModuleBrowser.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "platform/WebEngineSetup.h"
#include "ui/common/FrenchTranslations.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

namespace {

// `pendrel --help` and `--version` answer on the terminal, before any window
// or display is needed; other arguments are Qt's (-platform, -style...).
int answerOnTerminal(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
            std::printf("pendrel %s\n", PENDREL_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Utilisation : pendrel [--help | --version] [options de Qt]\n\n"
                        "Carnet de trafic du concours Kerlan QRP : ouvre la fenêtre principale.\n"
                        "Les logs sont dans le dossier des données (~/.local/share/QRP/QRP, ou\n"
                        "$PENDREL_HOME), les réglages dans ~/.config/QRP/QRP.conf.\n"
                        "En ligne de commande, sans fenêtre : pendrel-cli --help.\n");
            return 0;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (const int code = answerOnTerminal(argc, argv); code >= 0)
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? code : 1;

    // The web engine loads only when a web page window opens, but what it
    // needs from the environment and the application must be set up front.
    if (pendrel::prepareWebEngineEnvironment())
        QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // The name only: a display name would be appended by the platform to
    // every window caption ("... Revision  1.1.0a - Pendrel"). Message boxes
    // take their title from applicationDisplayName(), which falls back to it.
    QApplication::setApplicationName(QStringLiteral("Pendrel"));
    // Ties the windows to the installed desktop entry (menu icon, task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pendrel.Pendrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pendrel.svg")));

    pendrel::ui::installFrenchTranslations(&app);

    pendrel::SystemClock clock;
    pendrel::QtDialogs dialogs;
    pendrel::QtSettingsStore settings;
    pendrel::QtPrinter printer;
    pendrel::ModuleBrowser browser;
    pendrel::Platform platform{clock, dialogs, settings, printer, pendrel::DataFolder::resolve()};
    platform.browser = &browser;
    platform.settingsFile = settings.filePath();

    pendrel::ui::Main window(platform);
    window.start();
    if (window.hasEnded())
        return window.exitCode();
    return QApplication::exec();
}
