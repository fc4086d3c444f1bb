// Loading a full log (99,999 QSOs): read, decode, build the list lines and the
// totals, fill the list model, beside the floor of reading the same bytes.
#include "core/storage/Cp1252.h"
#include "core/storage/LogStore.h"
#include "support/BestTime.h"
#include "support/LogGenerator.h"
#include "support/TableRow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringListModel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace pendrel;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int qsos = QsoRecord::MaxQsoNumber;
    const int runs = 7;

    QTemporaryDir dir;
    const QString callsign = QStringLiteral("F0ABC");
    LogStore store(dir.path());
    {
        QFile file(store.logPath(callsign, StationKind::Fixed));
        if (!file.open(QIODevice::WriteOnly) || file.write(encodeLines(bench::LogGenerator().recordLines(qsos))) < 0) {
            std::fprintf(stderr, "cannot write the log\n");
            return 1;
        }
    }
    const QString path = store.logPath(callsign, StationKind::Fixed);

    qint64 bytes = 0;
    const double floorMs = bench::bestMs(runs, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        bytes = file.readAll().size();
    });

    // A second floor: the decoding every load must do anyway.
    const double decodeFloorMs = bench::bestMs(runs, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        bytes = cp1252::decode(file.readAll()).size();
    });

    QStringListModel model;
    LoadResult result;
    const double loadMs = bench::bestMs(runs, [&] {
        result = store.LoadLog(callsign, StationKind::Fixed);
        model.setStringList(result.view.listLines);
    });

    // Where the time goes.
    FileBytes file;
    const double readMs = bench::bestMs(runs, [&] { file = readFileBytes(path); });
    LogView view;
    const double buildMs = bench::bestMs(runs, [&] { view = LogStore::buildView(file.bytes); });
    const double modelMs = bench::bestMs(runs, [&] { model.setStringList(view.listLines); });

    if (result.status != ReadStatus::Ok || model.rowCount() != qsos) {
        std::fprintf(stderr, "load failed: %d rows\n", model.rowCount());
        return 1;
    }
    std::printf("load_log: %d QSOs, %.1f MB, Total_P %s, KmW_Max %s\n", qsos, bytes / 1e6,
                qPrintable(result.view.totalPoints), qPrintable(result.view.bestKmW));
    std::printf("  floor (read the bytes)        %8.2f ms\n", floorMs);
    std::printf("  floor (read and decode)       %8.2f ms\n", decodeFloorMs);
    std::printf("  LoadLog + list model          %8.2f ms   ratio %.1f to the read, %.1f to read and decode\n",
                loadMs, loadMs / floorMs, loadMs / decodeFloorMs);
    std::printf("    read the file               %8.2f ms\n", readMs);
    std::printf("    decode, list lines, totals  %8.2f ms\n", buildMs);
    std::printf("    fill the model              %8.2f ms\n", modelMs);
    bench::tableRow(QStringLiteral("LoadLog and the list model"), QStringLiteral("%1 QSOs").arg(qsos), loadMs, decodeFloorMs);
    return 0;
}
