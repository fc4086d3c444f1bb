#include "cli/Commands.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pendrel-cli"));
    QTextStream out(stdout), err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    pendrel::cli::Io io{out, err};
    return pendrel::cli::runCommandLine(app.arguments().mid(1), io);
}
