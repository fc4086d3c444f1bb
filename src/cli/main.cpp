#include "cli/Commands.h"

#include "core/storage/SystemError.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
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
    const int code = pendrel::cli::runCommandLine(QCoreApplication::arguments().mid(1), io);
    // Output that did not reach its file (a full disk, a closed pipe) is a failure.
    errno = 0;
    out.flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        err << QStringLiteral("pendrel-cli : écriture impossible sur la sortie standard : %1\n")
                   .arg(pendrel::frenchSystemError(error));
        return pendrel::cli::ExitFailure;
    }
    return code;
}
