// The worked-before line: looking a callsign up in the index of the log
// (and rebuilding the index, which a load, a sort or a delete asks for), on
// logs of 1,000 and 99,999 QSOs, beside the floor of one key typed into a
// line box, measured in the same run.
//
// Run with QT_QPA_PLATFORM=offscreen.
#include "core/storage/QsoRecord.h"
#include "core/views/WorkedBefore.h"
#include "support/LogGenerator.h"
#include "support/TableRow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>

using namespace pendrel;

namespace {

constexpr int Runs = 5;
constexpr int Lookups = 10000;

// One key typed into a line box, as the entry line's fields receive it.
double keyFloorMs()
{
    QLineEdit box;
    double best = 1e300;
    for (int run = 0; run < Runs; ++run) {
        box.clear();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < Lookups; ++i) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("A"));
            QApplication::sendEvent(&box, &key);
            if (box.text().size() > 12)
                box.clear();
        }
        best = std::min(best, t.nsecsElapsed() / 1e6 / Lookups);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const double floorMs = keyFloorMs();
    std::printf("worked: one look-up of a callsign, beside one key typed (best of %d, %d each)\n", Runs, Lookups);
    std::printf("%-8s %14s %14s %10s %14s\n", "QSOs", "key ms", "look-up ms", "ratio", "rebuild ms");
    for (const int qsos : {1000, 99999}) {
        const QStringList records = bench::LogGenerator().recordLines(qsos);
        QStringList lines;
        lines.reserve(records.size());
        for (const QString &record : records)
            lines.append(QsoRecord::fromRecordLine(record).listLine(int(lines.size()) + 1));
        WorkedBefore index;
        double rebuildMs = 1e300, lookupMs = 1e300;
        for (int run = 0; run < Runs; ++run) {
            QElapsedTimer t;
            t.start();
            index.rebuild(lines);
            rebuildMs = std::min(rebuildMs, t.nsecsElapsed() / 1e6);
            t.restart();
            qsizetype found = 0;
            for (int i = 0; i < Lookups; ++i) {
                const QString call = recordField(records[(i * 7919) % records.size()], RecordColumn::Indicatif).toString();
                found += workedBeforeText(index.summary(call)).size();
            }
            lookupMs = std::min(lookupMs, t.nsecsElapsed() / 1e6 / Lookups);
            if (found == 0)
                return 1;
        }
        std::printf("%-8d %14.4f %14.4f %10.2f %14.2f\n", qsos, floorMs, lookupMs, lookupMs / floorMs, rebuildMs);
        bench::tableRow(QStringLiteral("worked before: look-up of a callsign"), QStringLiteral("%1-QSO log").arg(qsos),
                        lookupMs, floorMs);
    }
    return 0;
}
