// A backup of a data folder holding a 99,999-QSO log, beside the floor of
// copying its files (read each, write it elsewhere); and the undo of a
// 1,000-QSO ADIF import, beside the import itself, measured in the same run.
#include "core/adif/AdifExport.h"
#include "core/adif/AdifImport.h"
#include "core/backup/Backups.h"
#include "core/storage/ChangeJournal.h"
#include "support/BestTime.h"
#include "support/LogGenerator.h"
#include "support/TableRow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace pendrel;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    bench::LogGenerator generator;
    const QStringList files = {QStringLiteral("F0ABC_QRP.log"), QStringLiteral("F0ABC_P_QRP.log"),
                               QStringLiteral("Liste_Prenom.txt"), QStringLiteral("FXXXX.txt")};
    writeFile(QDir(folder).filePath(files[0]), encodeLines(generator.recordLines(99999)));
    writeFile(QDir(folder).filePath(files[1]), encodeLines(generator.recordLines(500)));
    writeFile(QDir(folder).filePath(files[2]), QByteArray("F1AAA        29 YVES\r\n").repeated(5000));
    writeFile(QDir(folder).filePath(files[3]), {});

    // The floor: the same files read and written into another folder.
    const QString copies = QDir(folder).filePath(QStringLiteral("copies"));
    QDir().mkpath(copies);
    const double copyFloor = bench::bestMs(3, [&] {
        for (const QString &name : files)
            writeFile(QDir(copies).filePath(name), readFile(QDir(folder).filePath(name)));
    });
    int n = 0;
    const double backup = bench::bestMs(3, [&] {
        if (!Backups(folder, {}).make(QStringLiteral("bench"), false, QDateTime::currentDateTime().addSecs(++n)).ok)
            std::fprintf(stderr, "backup failed\n");
    });
    std::printf("backups: a backup of a data folder with a 99,999-QSO log (best of 3)\n");
    std::printf("  backup %8.1f ms, copy of its files %8.1f ms, ratio %.2f\n", backup, copyFloor, backup / copyFloor);
    bench::tableRow(QStringLiteral("backup of the data folder"), QStringLiteral("99,999-QSO log"), backup, copyFloor);

    // A 1,000-QSO file imported into a 1,000-QSO log, then undone.
    const QString other = QDir(folder).filePath(QStringLiteral("other"));
    QDir().mkpath(other);
    writeFile(QDir(other).filePath(QStringLiteral("F9EXP_QRP.log")), encodeLines(generator.recordLines(1000)));
    const adif::ExportResult exported = adif::exportFixedLog(other, QStringLiteral("F9EXP"));
    const QByteArray smallLog = encodeLines(generator.recordLines(1000));
    const QString logPath = QDir(folder).filePath(files[0]);
    adif::ImportRequest request;
    request.dataFolder = folder;
    request.callsign = QStringLiteral("F0ABC");
    request.ownLocator = QStringLiteral("JN18GU");
    request.power = QStringLiteral("5");
    request.today = QDate(2026, 12, 7);
    request.adifPath = exported.path;
    bool ok = exported.ok;
    const double import = bench::bestMs(3, [&] {
        writeFile(logPath, smallLog);
        ok = adif::importFile(request).ok && ok;
    });
    double undo = 1e300;
    for (int run = 0; run < 3; ++run) {
        writeFile(logPath, smallLog);
        ok = adif::importFile(request).ok && ok;
        undo = std::min(undo, bench::bestMs(1, [&] {
                           ok = ChangeJournal(folder).undoLast(files[0]).ok && ok;
                       }));
        ok = ok && readFile(logPath) == smallLog;
    }
    if (!ok) {
        std::fprintf(stderr, "import or undo failed\n");
        return 1;
    }
    std::printf("  undo of a 1,000-QSO import %8.1f ms, the import %8.1f ms, ratio %.2f\n", undo, import, undo / import);
    bench::tableRow(QStringLiteral("undo of an ADIF import"), QStringLiteral("1,000 QSOs into 1,000"), undo, import);
    return 0;
}
