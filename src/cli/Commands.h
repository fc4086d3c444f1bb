#pragma once
#include "core/storage/LogStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

// pendrel-cli: the core without windows. Each command lives in its own file
// and registers itself there, so adding one touches no shared file.
namespace pendrel::cli {

enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

// Standard output and error, both UTF-8.
struct Io {
    QTextStream &out;
    QTextStream &err;
};

struct Command {
    QString name;
    QString arguments; // shown after the name in the usage text
    QString summary;   // one French line
    int (*run)(const QStringList &args, Io &io);
    bool writes = true; // false: the command only reads, and creates no file or folder
};

// Declare one at namespace scope in the command's file.
struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

// Every registered command, by name.
QList<Command> commands();
// Runs the command named by args[0]; a wrong command line gives the usage text.
int runCommandLine(const QStringList &args, Io &io);
// Prints `problem` and where to find help on standard error; returns ExitUsage.
int usageError(Io &io, const QString &problem);
// False while a command that only reads runs.
bool writesFiles();
// A message of the window's (lines broken with CR LF) as a terminal shows it.
QString terminalText(QString message);

// The options of the commands that read a log of the data folder:
// [--call INDICATIF] [--portable].
struct LogOptions {
    QString folder;   // the data folder
    QString callsign; // as stored: upper case, "_" in place of "/"
    StationKind kind = StationKind::Fixed;
    QStringList rest; // arguments that are not these options
};
inline const QString LogOptionsUsage = QStringLiteral("[--call INDICATIF] [--portable]");

// Reads the options; the callsign is the stored one unless --call names
// another. Returns an exit code other than ExitOk after printing why.
int parseLogOptions(const QStringList &args, Io &io, LogOptions &options);

// After reading the log of `options`: ExitOk when `status` is Ok, else prints
// why (a missing file, or `error`) and returns ExitFailure.
int logReadFailure(const LogOptions &options, Io &io, ReadStatus status, const QString &error);

// Reads the options, then the log they name, with its warning on standard
// error; a wrong command line, an extra argument or a log that cannot be read
// gives an exit code other than ExitOk after printing why.
int loadNamedLog(const QStringList &args, Io &io, LoadResult &loaded);

} // namespace pendrel::cli
