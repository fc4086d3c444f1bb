// The three kinds of maps on a 99,999-QSO log: marking the worked boxes,
// drawing the picture and opening a map window, beside the floor of reading
// the log file, measured in the same run.
//
// Run with QT_QPA_PLATFORM=offscreen.
#include "core/maps/MapMarks.h"
#include "core/storage/LogStore.h"
#include "core/storage/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "support/BestTime.h"
#include "support/LogGenerator.h"
#include "support/TableRow.h"
#include "ui/maps/Carte_Acti_Orvil.h"
#include "ui/maps/MapCanvas.h"
#include "ui/maps/MapGeometry.h"
#include "ui/maps/MapPictures.h"
#include "ui/maps/MapWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

using namespace pendrel;

namespace {

constexpr int kQsos = 99999;
constexpr int kRuns = 5;

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList records = bench::LogGenerator().recordLines(kQsos);
    QTemporaryDir dir;
    const LogStore store(dir.path());
    QString error;
    FileWriter::standard().replaceFile(store.logPath("F0ABC", StationKind::Fixed), encodeLines(records), &error);
    const QStringList lines = LogStore::buildView(records).listLines;
    const WorldQuarter &northEast = *findWorldQuarter(QStringLiteral("NE"));
    const QString band = QStringLiteral("14 Mhz"), mode = QStringLiteral("SSB");

    qsizetype sink = 0; // keeps the results alive
    const double floor = bench::bestMs(kRuns, [&] {
        sink += readTextLines(store.logPath("F0ABC", StationKind::Fixed)).lines.size();
    });
    std::printf("maps: %d QSOs, best of %d runs\n", kQsos, kRuns);
    std::printf("  %-44s %9.2f ms\n", "floor: read the log file's lines", floor);
    auto report = [&](const char *what, const std::function<void()> &work) {
        const double ms = bench::bestMs(kRuns, work);
        std::printf("  %-44s %9.2f ms  %6.2f x floor\n", what, ms, ms / floor);
        return ms;
    };

    BoxMarks departements, squares, fields;
    const double departementsMs = report("MarkDepartements (reads the file)", [&] {
        departements = MarkDepartements(store, "F0ABC", StationKind::Fixed, band, mode).marks;
    });
    report("MarkFieldSquares JN (list lines)", [&] { squares = MarkFieldSquares(lines, band, "JN"); });
    report("MarkWorldFields NE (list lines)", [&] { fields = MarkWorldFields(lines, band, northEast); });

    bench::tableRow(QStringLiteral("map: MarkDepartements (reads the file)"), QStringLiteral("%1 QSOs").arg(kQsos),
                    departementsMs, floor);

    // The outlines are read once per run of the program, by the first drawing.
    QElapsedTimer once;
    once.start();
    sink += ui::departementShapes().size() + ui::fieldOutlines().land.elementCount() +
            ui::worldOutlines().land.elementCount();
    const double dataMs = once.nsecsElapsed() / 1e6;
    std::printf("  %-44s %9.2f ms  %6.2f x floor\n", "read the three outline files (once)", dataMs, dataMs / floor);
    report("draw départements", [&] {
        sink += ui::renderPicture(ui::DepartementPicture(departements, band, mode)).width();
    });
    const double field1 = report("draw field JN", [&] {
        sink += ui::renderPicture(ui::FieldPicture("JN", squares, band)).width();
    });
    const double world1 = report("draw world NE", [&] {
        sink += ui::renderPicture(ui::WorldPicture(northEast, fields, band)).width();
    });
    const double field3 = report("draw field JN at 3x (high-density screen)", [&] {
        sink += ui::renderPicture(ui::FieldPicture("JN", squares, band), 3).width();
    });
    const double world3 = report("draw world NE at 3x (high-density screen)", [&] {
        sink += ui::renderPicture(ui::WorldPicture(northEast, fields, band), 3).width();
    });
    // At 3x the picture has 9 times the pixels: its floor is the same picture at 1x.
    bench::tableRow(QStringLiteral("map: field JN drawn at 3x (floor: at 1x)"), QStringLiteral("9x the pixels"), field3,
                    field1);
    bench::tableRow(QStringLiteral("map: world NE drawn at 3x (floor: at 1x)"), QStringLiteral("9x the pixels"), world3,
                    world1);

    FakeDialogs dialogs;
    QWidget owner;
    report("open Carte_Acti_Orvil: mark, show, paint", [&] {
        auto mark = [&](const QString &b, const QString &m) {
            return MarkDepartements(store, "F0ABC", StationKind::Fixed, b, m);
        };
        auto *window = ui::openDepartementMap(&owner, mark, 4, 0, dialogs, FileWriter::standard());
        sink += window->grab().width();
        delete window;
    });
    report("open Carte_JN: mark, show, paint", [&] {
        ui::MapWindow *window = ui::showFieldMap(&owner, "JN", MarkFieldSquares(lines, band, "JN"), band, dialogs,
                                                 FileWriter::standard());
        sink += window->grab().width();
        delete window;
    });
    report("open Carte_NE: mark, show, paint", [&] {
        ui::MapWindow *window = ui::showWorldMap(&owner, northEast, MarkWorldFields(lines, band, northEast), band,
                                                 dialogs, FileWriter::standard());
        sink += window->grab().width();
        delete window;
    });
    return sink > 0 ? 0 : 1;
}
