#include "cli/Commands.h"

#include <QGuiApplication>
#include <memory>

int main(int argc, char **argv)
{
    // Drawing a picture (--png) needs fonts, hence a GUI application, but
    // never a screen: it runs on the offscreen platform.
    bool drawing = false;
    for (int i = 1; i < argc; ++i)
        drawing = drawing || qstrcmp(argv[i], "--png") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (drawing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("pendrel-cli"));
    QTextStream out(stdout), err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    pendrel::cli::Io io{out, err};
    return pendrel::cli::runCommandLine(QCoreApplication::arguments().mid(1), io);
}
