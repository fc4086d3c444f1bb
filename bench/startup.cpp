// Start-up of the main window on a large log: the time from creating the
// window to its first paint with the log loaded, beside the floor of reading
// and numbering the same log in the core alone.
//
// Usage: startup [screenshot-folder]   (run with QT_QPA_PLATFORM=offscreen)
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"
#include "platform/fake/FakePlatform.h"
#include "support/BenchStation.h"
#include "support/TableRow.h"
#include "ui/main/Gestion_Erreur.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QStringListModel>
#include <algorithm>
#include <cstdio>

using namespace pendrel;

namespace {

QString record(int i)
{
    QsoRecord r;
    r.Indicatif = QStringLiteral("F%1ABC").arg(i % 10);
    r.Dpt = QString::number(1 + i % 95);
    r.Prenom = QStringLiteral("JEAN");
    r.Loc = QStringLiteral("JN03TJ");
    r.Date = QStringLiteral("%1/03/08").arg(1 + i % 28, 2, 10, QChar(u'0'));
    r.QTR = QStringLiteral("14:05");
    r.Mode = QStringLiteral("SSB");
    r.QRG = QStringLiteral("144 Mhz");
    r.RstR = r.RstE = QStringLiteral("59");
    r.QTH = QStringLiteral("PARIS");
    r.QRB = QString::number(100 + i % 900);
    r.MyLoc = QStringLiteral("JN18GU");
    r.Pwr = QStringLiteral("5");
    r.KmW = QString::number((100 + i % 900) / 5);
    r.Pts = QStringLiteral("1");
    return r.recordLine();
}

struct Figures {
    double coreMs;
    double windowMs;
};

Figures measure(int qsos, const QString &screenshots)
{
    QStringList lines;
    for (int i = 0; i < qsos; ++i)
        lines << record(i);
    bench::BenchStation station(lines);
    const QString folder = station.dir.path();
    FakeDialogs &dialogs = station.dialogs;

    constexpr int Runs = 5;
    double core = 1e9, window = 1e9;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer t;
        t.start();
        const LoadResult loaded = LogStore(folder).LoadLog(QStringLiteral("F1AAA"), StationKind::Fixed);
        core = std::min(core, t.nsecsElapsed() / 1e6);
        if (loaded.view.listLines.size() != qsos)
            std::fprintf(stderr, "core read %lld lines\n", static_cast<long long>(loaded.view.listLines.size()));

        t.restart();
        {
            ui::Main main(station.platform);
            main.start();
            QApplication::processEvents(); // first paint
            window = std::min(window, t.nsecsElapsed() / 1e6);
            if (main.logModel()->rowCount() != qsos || !dialogs.messages.isEmpty())
                std::fprintf(stderr, "window shows %d lines\n", main.logModel()->rowCount());
            if (!screenshots.isEmpty() && run == 0 && qsos == 10000) {
                main.grab().save(QDir(screenshots).filePath(QStringLiteral("main.png")));
                main.controls().Mnu_New_Indicatif->trigger();
                ui::Gestion_Erreur(station.settings, QStringLiteral("_QRP.log"))
                    .grab()
                    .save(QDir(screenshots).filePath(QStringLiteral("gestion_erreur.png")));
                if (auto *station = main.findChild<QDialog *>(QStringLiteral("Station")))
                    station->grab().save(QDir(screenshots).filePath(QStringLiteral("station.png")));
            }
        }
    }
    return {core, window};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pendrel"));
    const QString screenshots = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::printf("%-8s %14s %18s %8s\n", "QSOs", "core read ms", "window shown ms", "ratio");
    for (int qsos : {10000, 99999}) {
        const Figures f = measure(qsos, screenshots);
        std::printf("%-8d %14.1f %18.1f %8.2f\n", qsos, f.coreMs, f.windowMs, f.windowMs / f.coreMs);
        bench::tableRow(QStringLiteral("start-up: main window shown with its log"), QStringLiteral("%1 QSOs").arg(qsos),
                        f.windowMs, f.coreMs);
    }
    return 0;
}
