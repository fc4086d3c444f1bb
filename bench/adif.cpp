// ADIF import and export on the largest log the program can hold, each beside
// a floor measured in the same run: reading and writing the same bytes with
// no work in between. Also times an independent ADIF parser (adif-parser-ts
// under node, installed by `npm --prefix bench/node install`) on the same file.
#include "core/adif/AdifExport.h"
#include "core/adif/AdifImport.h"
#include "core/storage/QsoRecord.h"
#include "support/BestTime.h"
#include "support/TableRow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

using namespace pendrel;

namespace {

// Each time and its floor write a file and flush it to the disk, whose flush
// time varies by tens of milliseconds from one write to the next: the best of
// five, for each, rather than of three, taken in turns.
constexpr int Runs = 5;
constexpr int LogQsos = 1000;
// The log holds at most 99,999 QSOs: the file fills a 1,000-QSO log to the brim.
constexpr int ImportedQsos = QsoRecord::MaxQsoNumber - LogQsos;


QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QString recordLine(int i, int year)
{
    QsoRecord r;
    r.Indicatif = QStringLiteral("F%1ABC").arg(i % 10);
    r.Prenom = QStringLiteral("JEAN");
    r.Loc = QStringLiteral("JN03TJ");
    r.Date = QStringLiteral("%1/%2/%3").arg(1 + i % 28, 2, 10, QChar(u'0')).arg(1 + (i / 28) % 12, 2, 10, QChar(u'0')).arg(year % 100, 2, 10, QChar(u'0'));
    r.QTR = QStringLiteral("14:35");
    r.Mode = QStringLiteral("CW");
    r.QRG = QStringLiteral("7.0 Mhz");
    r.RstR = r.RstE = QStringLiteral("599");
    r.QTH = QStringLiteral("TOULOUSE");
    r.QRB = QStringLiteral("612");
    r.MyLoc = QStringLiteral("JN18GU");
    r.Pwr = QStringLiteral("5");
    r.KmW = QStringLiteral("122");
    r.Pts = QStringLiteral("1");
    return r.recordLine();
}

// Records as other loggers write them: tags in three cases, FREQ and BAND
// (together or alone), and now and then a missing name, locator, report or time.
QByteArray generateAdif(int records)
{
    static const char *const calls[] = {"CALL", "call", "Call"};
    static const char *const bands[][2] = {{"20m", "14.07400"}, {"40M", "7.030"}, {"2m", "144.300"}, {"10m", "28.074"}};
    QByteArray out = "Generated for the benchmark\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:5>bench <EOH>\r\n";
    out.reserve(qsizetype(records) * 240);
    for (int i = 0; i < records; ++i) {
        const QByteArray call = "F" + QByteArray::number(i % 10) + "X" + QByteArray::number(i % 997);
        const char *tag = calls[i % 3];
        out += "<" + QByteArray(tag) + ":" + QByteArray::number(call.size()) + ">" + call + " ";
        out += "<QSO_DATE:8>2009" + QByteArray::number(1 + i % 12).rightJustified(2, '0')
               + QByteArray::number(1 + i % 28).rightJustified(2, '0') + " ";
        if (i % 50 != 7)
            out += (i % 2 ? "<time_on:6>" : "<TIME_ON:4>") + QByteArray(i % 2 ? "143512" : "1435") + " ";
        const auto &b = bands[i % 4];
        if (i % 3 != 1)
            out += "<BAND:" + QByteArray::number(qstrlen(b[0])) + ">" + b[0] + " ";
        if (i % 3 != 2)
            out += "<freq:" + QByteArray::number(qstrlen(b[1])) + ">" + b[1] + " ";
        out += "<MODE:2>CW ";
        if (i % 5)
            out += "<name:4>Jean <GRIDSQUARE:6>jn03tj ";
        if (i % 7)
            out += "<RST_SENT:3>599 <rst_rcvd:3>579 ";
        out += "<QTH:8>Toulouse <COMMENT:12>tnx fer QSO <APP_BENCH_ID:" + QByteArray::number(QByteArray::number(i).size())
               + ">" + QByteArray::number(i) + " <eor>\r\n";
    }
    return out;
}

// adif-parser-ts on the same file, when node and the package are there.
QString nodeParser(const QString &adifPath, double *ms)
{
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    QString source = qEnvironmentVariable("PENDREL_SOURCE_DIR");
    if (source.isEmpty())
        source = QStringLiteral(PENDREL_DEFAULT_SOURCE_DIR);
    const QString folder = source + QStringLiteral("/bench/node");
    if (node.isEmpty())
        return QStringLiteral("node absent");
    if (!QDir(folder + QStringLiteral("/node_modules/adif-parser-ts")).exists())
        return QStringLiteral("adif-parser-ts absent: npm --prefix bench/node install");
    double best = 1e300;
    QString records;
    for (int i = 0; i < 3; ++i) {
        QProcess p;
        p.start(node, {folder + QStringLiteral("/parse.js"), adifPath});
        if (!p.waitForFinished(600000) || p.exitCode() != 0)
            return QStringLiteral("node failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
        const QStringList parts = QString::fromLatin1(p.readAllStandardOutput()).split(u' ');
        best = std::min(best, parts.value(0).toDouble());
        records = parts.value(1).trimmed();
    }
    *ms = best;
    return records + QStringLiteral(" records");
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString adifPath = QDir(folder).filePath(QStringLiteral("big.adi"));
    const QByteArray adifBytes = generateAdif(ImportedQsos);
    writeFile(adifPath, adifBytes);

    QStringList smallLog;
    for (int i = 0; i < LogQsos; ++i)
        smallLog.append(recordLine(i, 2008 + i * 4 / LogQsos)); // 2008 to 2011: the block lands inside
    const QByteArray smallLogBytes = encodeLines(smallLog);
    const QString logPath = QDir(folder).filePath(QStringLiteral("F0ABC_QRP.log"));

    adif::ImportRequest request;
    request.dataFolder = folder;
    request.callsign = QStringLiteral("F0ABC");
    request.ownLocator = QStringLiteral("JN18GU");
    request.power = QStringLiteral("5");
    request.today = QDate(2026, 12, 7);
    request.adifPath = adifPath;

    adif::ImportResult result;
    const auto importOnce = [&] {
        writeFile(logPath, smallLogBytes);
        result = adif::importFile(request);
    };
    importOnce(); // for the size of the new log, which the floor writes
    if (!result.ok || result.imported != ImportedQsos) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(result.messages.join(u'|')));
        return 1;
    }
    const qint64 newLogSize = QFile(logPath).size();
    const QString floorPath = QDir(folder).filePath(QStringLiteral("floor.txt"));
    // Each time and its floor are taken in turns: a slower moment of the machine slows both.
    const bench::PairMs imported = bench::bestPairMs(Runs, [&] {
        const QByteArray a = readFile(adifPath);
        const QByteArray l = readFile(logPath);
        writeFile(floorPath, QByteArray(newLogSize, a.isEmpty() || l.isEmpty() ? 'x' : 'y'));
    }, importOnce);
    const double import = imported.work, importFloor = imported.floor;
    qsizetype readerRecords = 0;
    const double readerOnly = bench::bestMs(Runs, [&] {
        readerRecords = 0;
        adif::readRecords(adifBytes, [&](const adif::Record &r) { return readerRecords += r.fields.size() > 0, true; });
    });

    // Export of a full log.
    QStringList bigLog;
    for (int i = 0; i < QsoRecord::MaxQsoNumber; ++i)
        bigLog.append(recordLine(i, 1990 + i % 30));
    writeFile(QDir(folder).filePath(QStringLiteral("F9EXP_QRP.log")), encodeLines(bigLog));
    adif::ExportResult exported;
    const auto exportOnce = [&] { exported = adif::exportFixedLog(folder, QStringLiteral("F9EXP")); };
    exportOnce(); // for the size of the file, which the floor writes
    const qint64 adiSize = QFile(exported.path).size();
    const bench::PairMs exportedTimes = bench::bestPairMs(Runs, [&] {
        const QByteArray l = readFile(QDir(folder).filePath(QStringLiteral("F9EXP_QRP.log")));
        writeFile(floorPath, QByteArray(adiSize, l.isEmpty() ? 'x' : 'y'));
    }, exportOnce);
    const double exportTime = exportedTimes.work, exportFloor = exportedTimes.floor;

    double nodeMs = 0;
    const QString nodeNote = nodeParser(adifPath, &nodeMs);

    std::printf("ADIF import: %d records (%.1f MB) into a %d-QSO log\n", ImportedQsos, adifBytes.size() / 1e6, LogQsos);
    std::printf("  floor (read file and log, write new log) %8.1f ms\n", importFloor);
    std::printf("  reader alone                             %8.1f ms  %5.2f x floor (%lld records)\n", readerOnly,
                readerOnly / importFloor, static_cast<long long>(readerRecords));
    std::printf("  whole import                             %8.1f ms  %5.2f x floor\n", import, import / importFloor);
    if (nodeMs > 0)
        std::printf("  adif-parser-ts (node, parse only)        %8.1f ms  %5.2f x floor (%s); import / parser = %.2f\n",
                    nodeMs, nodeMs / importFloor, qPrintable(nodeNote), import / nodeMs);
    else
        std::printf("  adif-parser-ts: not run (%s)\n", qPrintable(nodeNote));
    const QString importSize = QStringLiteral("%1 records into a %2-QSO log").arg(ImportedQsos).arg(LogQsos);
    bench::tableRow(QStringLiteral("ADIF import: reader alone"), importSize, readerOnly, importFloor, nodeMs,
                    QStringLiteral("adif-parser-ts"));
    bench::tableRow(QStringLiteral("ADIF import: whole"), importSize, import, importFloor, nodeMs,
                    QStringLiteral("adif-parser-ts (parse only)"));
    std::printf("ADIF export: %d QSOs (%.1f MB written)\n", exported.qsoCount, adiSize / 1e6);
    std::printf("  floor (read log, write the same bytes)   %8.1f ms\n", exportFloor);
    std::printf("  whole export                             %8.1f ms  %5.2f x floor\n", exportTime, exportTime / exportFloor);
    bench::tableRow(QStringLiteral("ADIF export: whole"), QStringLiteral("%1 QSOs").arg(exported.qsoCount), exportTime, exportFloor);
    return 0;
}
