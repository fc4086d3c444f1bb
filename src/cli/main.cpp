#include "cli/Commands.h"

#include <QApplication>
#include <memory>

namespace {

// Printing into a PDF file (--pdf) or drawing a map or a chart (--png) draws
// text, which needs the fonts of a GUI application (the charts, its widgets);
// the command line has no screen, so Qt's offscreen platform serves.
bool drawsText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--pdf") == 0 || qstrcmp(argv[i], "--png") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    std::unique_ptr<QCoreApplication> app;
    if (drawsText(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
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
