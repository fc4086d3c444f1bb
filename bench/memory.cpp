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
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

using namespace pendrel;

namespace {

// Runs pendrel-cli with `args`; its peak resident size in MB, or -1.
double peakMb(const QStringList &args)
{
    QList<QByteArray> bytes{QByteArrayLiteral(PENDREL_CLI_PATH)};
    for (const QString &a : args)
        bytes.append(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid)
        return -1;
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
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

int main()
{
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
    QFile(QDir(data).filePath(QStringLiteral("FXXXX.txt"))).open(QIODevice::WriteOnly);
    const auto log = [&data](const char *call) { return QDir(data).filePath(QLatin1String(call) + "_QRP.log"); };

    bench::LogGenerator generator;
    const QStringList full = generator.recordLines(99999);
    writeLog(log("F0ABC"), full);
    writeLog(log("F0EMP"), {});
    // The ADIF to import: 98,999 QSOs exported by the program itself, into a log of 1,000.
    writeLog(log("F0SRC"), full.mid(1000));
    const QString adif = QDir(data).filePath(QStringLiteral("F0SRC_QRP.adi"));
    peakMb({QStringLiteral("export"), QStringLiteral("--call"), QStringLiteral("F0SRC")});
    const QString header = QDir(data).filePath(QStringLiteral("header.adi"));
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
         [&] { writeLog(log("F0ABC"), full.first(1000)); }},
    };
    std::printf("memory: peak resident size of pendrel-cli, best of 3, beside the same command on an empty log\n");
    for (const Run &run : runs) {
        double peak = 1e300, empty = 1e300;
        for (int i = 0; i < 3; ++i) {
            if (run.before)
                run.before();
            peak = std::min(peak, peakMb(run.full));
            empty = std::min(empty, peakMb(run.empty));
        }
        const double file = fileMb(log("F0ABC"));
        std::printf("  %-30s %7.1f MB, empty log %6.1f MB, log file %5.1f MB: %4.2f x the file\n", run.operation,
                    peak, empty, file, (peak - empty) / file);
        std::printf("MEMORY\t%s\t99999-QSO log\t%.1f\t%.1f\t%.1f\n", run.operation, peak, empty, file);
        std::fflush(stdout);
    }
    return 0;
}
