// QSL labels on a log of 99,999 QSOs: opening the selection window and
// "Tout sélectionner", beside the floor of reading the log into its list
// lines, measured in the same run; and the layout of every label.
//
// Run with QT_QPA_PLATFORM=offscreen.
#include "core/labels/LabelLayout.h"
#include "core/labels/QsoSelection.h"
#include "support/BenchStation.h"
#include "support/BestTime.h"
#include "support/LogGenerator.h"
#include "support/TableRow.h"
#include "ui/labels/Select_QSO.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <cstdio>

using namespace pendrel;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    constexpr int kQsos = 99999;
    constexpr int kRuns = 5;
    bench::BenchStation station(bench::LogGenerator().recordLines(kQsos));
    const QString folder = station.dir.path(), callsign = QStringLiteral("F1AAA");
    const ui::LabelContext context{station.platform, callsign, [] { return QStringLiteral("F1AAA"); }};
    qsizetype sink = 0;

    const double floor = bench::bestMs(kRuns, [&] {
        sink += labels::labelLogLines(folder, callsign, StationKind::Fixed).size();
    });
    const double open = bench::bestMs(kRuns, [&] {
        ui::Select_QSO window(labels::labelLogLines(folder, callsign, StationKind::Fixed), context);
        window.show();
        QApplication::processEvents(); // first paint
        sink += window.findChild<QListView *>(QStringLiteral("Liste_QSO"))->model()->rowCount();
    });
    // "Tout sélectionner" alone, on a window already open with some QSOs chosen one by one.
    double selectAll = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        ui::Select_QSO window(labels::labelLogLines(folder, callsign, StationKind::Fixed), context);
        window.show();
        QApplication::processEvents();
        auto *log = window.findChild<QListView *>(QStringLiteral("Liste_QSO"));
        for (int row : {50000, 20000, 10})
            emit log->clicked(log->model()->index(row, 0));
        auto *button = window.findChild<QPushButton *>(QStringLiteral("Select_All"));
        selectAll = std::min(selectAll, bench::bestMs(1, [&] {
            button->click();
            QApplication::processEvents();
        }));
        const int printed = window.findChild<QListView *>(QStringLiteral("Liste_Imprime"))->model()->rowCount();
        if (printed != kQsos)
            std::fprintf(stderr, "print list holds %d lines\n", printed);
    }
    const QStringList lines = labels::labelLogLines(folder, callsign, StationKind::Fixed);
    // Back to back, each layout in the heap the one before left (timed in
    // turns with the floor, each would run in the heap the other left and
    // the floor would read as slow as the layout: no floor any more).
    const double layout = bench::bestMs(kRuns, [&] {
        labels::LabelJob job;
        job.ownCallsign = callsign;
        job.qsoLines = lines;
        sink += labels::labelSteps(job).size();
    });

    std::printf("labels: %d QSOs, best of %d runs\n", kQsos, kRuns);
    std::printf("  %-42s %9.2f ms\n", "floor: read the log into its list lines", floor);
    const std::pair<const char *, double> figures[] = {
        {"open Select_QSO (read, build, first paint)", open},
        {"Tout sélectionner", selectAll},
        {"lay out every label (50,000 rows)", layout},
    };
    for (const auto &[what, ms] : figures) {
        std::printf("  %-42s %9.2f ms  %6.2f x floor\n", what, ms, ms / floor);
        bench::tableRow(QStringLiteral("labels: ") + QString::fromUtf8(what), QStringLiteral("%1 QSOs").arg(kQsos), ms,
                        floor);
    }
    return sink > 0 ? 0 : 1;
}
