// From "Oui" to the entry line ready again: Valide_A clicked with the question
// answered Yes, through storing the QSO, reloading the list and the totals, to
// the focus back in Ind_A, on logs of 1,000 and 99,999 QSOs; beside the floor
// of appending the same line to the file, measured in the same run.
//
// Run with QT_QPA_PLATFORM=offscreen.
#include "core/storage/Cp1252.h"
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "support/BenchStation.h"
#include "support/LogGenerator.h"
#include "support/TableRow.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace pendrel;

namespace {

constexpr int Runs = 7;

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

// A complete entry line, as the chain leaves it before the button.
void fillEntryLine(ui::MainControls &c)
{
    c.Ind_A->setText(QStringLiteral("F6XYZ"));
    c.Prenom_A->setText(QStringLiteral("HÉLÈNE"));
    c.Loc_A->setText(QStringLiteral("JN03TJ"));
    c.Dpt_A->setText(QStringLiteral("29"));
    c.Date_A->setText(QStringLiteral("07/12/26"));
    c.Heure_A->setText(QStringLiteral("14:32"));
    c.Rem_A->setText(QStringLiteral("BREST"));
    c.QRB_A->setText(QStringLiteral("612"));
    c.Valide_A->setEnabled(true);
    c.Valide_A->setFocus();
}

struct Figures {
    double floorMs = 1e300;   // append the record line to the file
    double readyMs = 1e300;   // click to the focus in Ind_A
    double paintedMs = 1e300; // and the window updated (pending layout and paint done)
    double appendQsoMs = 1e300; // of which: LogStore::AppendQso alone
    double selectMs = 1e300;    // of which: selecting the last line of the list
};

Figures measure(int qsos)
{
    // One QSO short: the validated one makes the count.
    bench::BenchStation station(bench::LogGenerator().recordLines(qsos - 1));
    const QString path = station.logPath();
    const qint64 logSize = QFileInfo(path).size();
    FakeDialogs &dialogs = station.dialogs;
    Platform &platform = station.platform;

    ui::Main main(platform);
    main.start();
    QApplication::processEvents();
    ui::MainControls &c = main.controls();

    Figures f;
    const QByteArray line = encodeLines({QStringLiteral("F6XYZ        29   HÉLÈNE         JN03TJ 07/12/26 14:32 SSB "
                                                        "1.8 Mhz 59  59  BREST                          612   "
                                                        "JN18GU  5   122    1    ")});
    for (int run = 0; run < Runs; ++run) {
        fillEntryLine(c);
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        c.Valide_A->click();
        const double ready = ms(t);
        QApplication::processEvents();
        const double painted = ms(t);
        if (main.focusWidget() != c.Ind_A || main.logModel()->rowCount() != qsos ||
            QFileInfo(path).size() != logSize + line.size()) {
            std::fprintf(stderr, "validation failed: %d lines, messages: %s\n", main.logModel()->rowCount(),
                         qPrintable(dialogs.messages.join(u'|')));
            return {};
        }
        f.readyMs = std::min(f.readyMs, ready);
        f.paintedMs = std::min(f.paintedMs, painted);
        // The floor: the same line appended to the same log.
        QFile(path).resize(logSize);
        t.restart();
        QString error;
        FileWriter::standard().appendToFile(path, line, &error);
        f.floorMs = std::min(f.floorMs, ms(t));
        // Where the time goes.
        QFile(path).resize(logSize);
        const QFileInfo known(path); // what the window knows of the file it shows
        t.restart();
        main.logStore().AppendQso(QStringLiteral("F1AAA"), StationKind::Fixed, cp1252::decode(line).trimmed(),
                                  {known.size(), known.lastModified(), qsos - 1});
        f.appendQsoMs = std::min(f.appendQsoMs, ms(t));
        t.restart();
        main.selectLastLine();
        f.selectMs = std::min(f.selectMs, ms(t));
        // Back to the same log, read again, for the next run.
        QFile(path).resize(logSize);
        main.LoadLog();
        main.selectLastLine();
        QApplication::processEvents();
    }
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pendrel"));
    std::printf("entry: Valide_A answered Oui, to the entry line ready again (best of %d)\n", Runs);
    std::printf("%-8s %12s %14s %10s %16s %10s\n", "QSOs", "floor ms", "to Ind_A ms", "ratio", "and painted ms",
                "ratio");
    for (int qsos : {1000, QsoRecord::MaxQsoNumber}) {
        const Figures f = measure(qsos);
        std::printf("%-8d %12.3f %14.2f %10.1f %16.2f %10.1f\n", qsos, f.floorMs, f.readyMs, f.readyMs / f.floorMs,
                    f.paintedMs, f.paintedMs / f.floorMs);
        std::printf("         of which LogStore::AppendQso %.2f ms, selecting the last line %.2f ms\n", f.appendQsoMs,
                    f.selectMs);
        bench::tableRow(QStringLiteral("entry: Valide_A answered Oui to Ind_A ready"), QStringLiteral("%1-QSO log").arg(qsos),
                        f.readyMs, f.floorMs);
    }
    return 0;
}
