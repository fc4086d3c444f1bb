// Peak memory of pendrel-cli on the largest log: export, the départements
// and field maps and the import, each run as its own process and measured by the kernel
// (maximum resident size), beside the same command on an empty log: what the
// program needs before any QSO. The figure that matters is what the log adds,
// as a multiple of the log file's size.
#include "core/storage/TextFile.h"
#include "support/LogGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

using namespace pendrel;

namespace {

// Starts `argv` with its output thrown away and waits for it; its peak
// resident size in kilobytes, or -1 when it did not end with `expectedExit`.
long spawnAndMeasure(char *const argv[], int expectedExit)
{
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)
        || WEXITSTATUS(status) != expectedExit)
        return -1;
    return usage.ru_maxrss; // kilobytes on Linux
}

// The pendrel-cli built beside this program, or another build's named by
// PENDREL_CLI (to compare two versions in one run).
QByteArray cliPath()
{
    const QByteArray other = qgetenv("PENDREL_CLI");
    return other.isEmpty() ? QByteArrayLiteral(PENDREL_CLI_PATH) : other;
}

// Runs pendrel-cli with `args`; its peak resident size in MB, or -1 when it
// did not end as `expectedExit` says (a failed command measures nothing).
// The kernel counts in a program's peak the resident size of the process it
// was started from, and this one holds the logs it wrote: the command is
// started by a fresh copy of this program ("--launch"), which holds nothing.
double peakMb(const QStringList &args, int expectedExit = 0)
{
    QList<QByteArray> bytes{QByteArrayLiteral("/proc/self/exe"), QByteArrayLiteral("--launch"),
                            QByteArray::number(expectedExit), cliPath()};
    for (const QString &a : args)
        bytes.append(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    // The launcher hands the figure back as its exit code would not hold it: in a file.
    QTemporaryFile figure;
    figure.open();
    qputenv("PENDREL_BENCH_FIGURE", QFile::encodeName(figure.fileName()));
    if (spawnAndMeasure(argv.data(), 0) < 0) {
        std::fprintf(stderr, "pendrel-cli %s: not the expected end\n", qPrintable(args.join(u' ')));
        return -1;
    }
    return figure.readAll().toLong() / 1024.0;
}

// The launcher: runs the command and writes its peak (kB) into the file named
// by PENDREL_BENCH_FIGURE; fails when the command did not end as expected.
int launch(int argc, char *argv[])
{
    if (argc < 4)
        return 2;
    const long kb = spawnAndMeasure(argv + 3, std::atoi(argv[2]));
    QFile figure(qEnvironmentVariable("PENDREL_BENCH_FIGURE"));
    return kb >= 0 && figure.open(QIODevice::WriteOnly) && figure.write(QByteArray::number(qint64(kb))) > 0 ? 0 : 1;
}

void writeLog(const QString &path, const QStringList &records)
{
    QString error;
    if (!FileWriter::standard().replaceFile(path, encodeLines(records), &error))
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
}

double fileMb(const QString &path)
{
    return QFileInfo(path).size() / 1048576.0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--launch") == 0)
        return launch(argc, argv);
    QTemporaryDir scratch;
    const QString data = QDir(scratch.path()).filePath(QStringLiteral("data"));
    const QString config = QDir(scratch.path()).filePath(QStringLiteral("config"));
    QDir().mkpath(data);
    QDir().mkpath(config + QStringLiteral("/QRP"));
    qputenv("PENDREL_HOME", QFile::encodeName(data));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QFile settings(config + QStringLiteral("/QRP/QRP.conf"));
    settings.open(QIODevice::WriteOnly);
    settings.write("[Setup%20]\nIndicatif%20Station=F0ABC\nLocator%20Station=JN18GU\n"
                   "[Setup%20F0ABC]\nPwr%20Fixe=5\n[Setup%20F0EMP]\nPwr%20Fixe=5\n");
    settings.close();
    // The commands on an empty log run in a data folder of their own, which
    // holds nothing else: the import's backup would otherwise copy the big logs.
    const QString emptyData = QDir(scratch.path()).filePath(QStringLiteral("empty"));
    QDir().mkpath(emptyData);
    for (const QString &folder : {data, emptyData})
        QFile(QDir(folder).filePath(QStringLiteral("FXXXX.txt"))).open(QIODevice::WriteOnly);
    const auto log = [&data](const char *call) { return QDir(data).filePath(QLatin1String(call) + "_QRP.log"); };

    bench::LogGenerator generator;
    const QStringList full = generator.recordLines(99999);
    writeLog(log("F0ABC"), full);
    writeLog(QDir(emptyData).filePath(QStringLiteral("F0EMP_QRP.log")), {});
    // The ADIF to import: 98,999 QSOs exported by the program itself, into a log of 1,000.
    writeLog(log("F0SRC"), full.mid(1000));
    const QString adif = QDir(data).filePath(QStringLiteral("F0SRC_QRP.adi"));
    peakMb({QStringLiteral("export"), QStringLiteral("--call"), QStringLiteral("F0SRC")});
    const QString header = QDir(emptyData).filePath(QStringLiteral("header.adi"));
    {
        QFile h(header);
        h.open(QIODevice::WriteOnly);
        h.write("<eoh>\r\n");
    }

    const QStringList departements = {QStringLiteral("map"), QStringLiteral("departements"),
                                      QStringLiteral("--band"), QStringLiteral("14 Mhz"),
                                      QStringLiteral("--mode"), QStringLiteral("SSB")};
    const QStringList field = {QStringLiteral("map"), QStringLiteral("field"), QStringLiteral("JN"),
                               QStringLiteral("--band"), QStringLiteral("14 Mhz")};
    struct Run {
        const char *operation;
        QStringList full, empty;
        std::function<void()> before; // puts the log back as it was
        int emptyExit = 0;            // an import of no QSO is refused
    };
    const QStringList callFull = {QStringLiteral("--call"), QStringLiteral("F0ABC")};
    const QStringList callEmpty = {QStringLiteral("--call"), QStringLiteral("F0EMP")};
    const Run runs[] = {
        {"pendrel-cli export", QStringList{QStringLiteral("export")} + callFull,
         QStringList{QStringLiteral("export")} + callEmpty, {}},
        {"pendrel-cli map departements", departements + callFull, departements + callEmpty, {}},
        {"pendrel-cli map field JN", field + callFull, field + callEmpty, {}},
        {"pendrel-cli import", QStringList{QStringLiteral("import"), adif} + callFull,
         QStringList{QStringLiteral("import"), header} + callEmpty,
         [&] { writeLog(log("F0ABC"), full.first(1000)); }, 1},
    };
    std::printf("memory: peak resident size of pendrel-cli, best of 3, beside the same command on an empty log "
                "(alone in its data folder)\n");
    for (const Run &run : runs) {
        double peak = 1e300, empty = 1e300;
        for (int i = 0; i < 3; ++i) {
            if (run.before)
                run.before();
            peak = std::min(peak, peakMb(run.full));
            qputenv("PENDREL_HOME", QFile::encodeName(emptyData));
            empty = std::min(empty, peakMb(run.empty, run.emptyExit));
            qputenv("PENDREL_HOME", QFile::encodeName(data));
        }
        const double file = fileMb(log("F0ABC"));
        std::printf("  %-30s %7.1f MB, empty log %6.1f MB, log file %5.1f MB: %4.2f x the file\n", run.operation,
                    peak, empty, file, (peak - empty) / file);
        std::printf("MEMORY\t%s\t99999-QSO log\t%.1f\t%.1f\t%.1f\n", run.operation, peak, empty, file);
        std::fflush(stdout);
    }
    return 0;
}
