// The screenshots of the user guide, taken from the real windows on the
// offscreen platform so that they follow the program as it changes.
//
// Usage: help_screenshots FOLDER   (scripts/help-screenshots runs it)
#include "core/storage/QsoRecord.h"
#include "core/storage/SettingsKeys.h"
#include "support/BenchStation.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

using namespace pendrel;

namespace {

// A short log of a fixed station, varied enough for the lists and figures.
QStringList sampleLog()
{
    struct Row {
        const char *call, *dpt, *name, *loc, *date, *time, *mode, *band, *qth, *qrb, *kmw, *pts;
    };
    const Row rows[] = {
        {"F5ABC", "29", "YANN", "IN78XK", "04/01/08", "09:12", "CW", "7.0 Mhz", "QUIMPER", "478", "95", "1"},
        {"F6XYZ/P", "65", "PIERRE", "IN92TX", "06/01/08", "10:40", "SSB", "7.0 Mhz", "PIC DU MIDI", "712", "142", "4"},
        {"F4DEF", "67", "CLAIRE", "JN38VN", "12/01/08", "14:05", "CW", "14 Mhz", "STRASBOURG", "397", "79", "1"},
        {"EA3GHI", "DX", "JORDI", "JN11CK", "19/01/08", "15:30", "CW", "14 Mhz", "BARCELONA", "846", "169", "1"},
        {"F8KLM/P", "74", "ANNE", "JN36XB", "26/01/08", "11:02", "SSB", "144 Mhz", "MONT SALEVE", "448", "89", "4"},
        {"G3NOP", "DX", "JOHN", "IO91WM", "02/02/08", "16:47", "DIG", "21 Mhz", "LONDON", "344", "68", "1"},
    };
    QStringList lines;
    for (const Row &r : rows) {
        QsoRecord q;
        q.Indicatif = r.call; q.Dpt = r.dpt; q.Prenom = r.name; q.Loc = r.loc; q.Date = r.date; q.QTR = r.time;
        q.Mode = r.mode; q.QRG = r.band; q.RstR = q.RstE = QStringLiteral("599"); q.QTH = r.qth; q.QRB = r.qrb;
        q.MyLoc = QStringLiteral("JN18GU"); q.Pwr = QStringLiteral("5"); q.KmW = r.kmw; q.Pts = r.pts;
        lines << q.recordLine();
    }
    return lines;
}

bool save(QWidget *window, const QDir &folder, const char *name)
{
    QApplication::processEvents();
    const bool ok = window && window->grab().save(folder.filePath(QLatin1String(name)));
    std::printf("%s %s\n", ok ? "écrit" : "ÉCHEC", name);
    return ok;
}

template <typename W = QWidget>
W *opened(QWidget *main, const char *name)
{
    QApplication::processEvents();
    return main->findChild<W *>(QLatin1String(name));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pendrel"));
    if (argc < 2) {
        std::fprintf(stderr, "usage : help_screenshots DOSSIER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bench::BenchStation station(sampleLog());
    station.clock.utc = QDateTime(QDate(2008, 2, 2), QTime(17, 5, 0), Qt::UTC);
    station.settings.write(settings::callsignSection(QStringLiteral("F1AAA")), settings::MeilleurKmWF,
                           QStringLiteral("True"));

    ui::Main main(station.platform);
    main.start();
    main.resize(1500, 560);
    bool ok = save(&main, folder, "main.png");

    main.controls().Mnu_New_Indicatif->trigger();
    ok &= save(opened<QDialog>(&main, "Station"), folder, "station.png");
    if (auto *dialog = opened<QDialog>(&main, "Station"))
        dialog->close();

    main.controls().Rechercher->click();
    if (auto *search = opened(&main, "Recherche_Indicatif")) {
        if (auto *box = search->findChild<QLineEdit *>(QStringLiteral("Indica"))) {
            box->setText(QStringLiteral("F"));
            QMetaObject::invokeMethod(box, "returnPressed");
        }
        ok &= save(search, folder, "recherche.png");
        search->close();
    }

    main.findChild<QAction *>(QStringLiteral("Mnu_Reglement"))->trigger();
    ok &= save(opened(&main, "Reglement"), folder, "reglement.png");

    main.findChild<QAction *>(QStringLiteral("Mnu_Statistiques"))->trigger();
    ok &= save(opened(&main, "Statistiques"), folder, "statistiques.png");

    main.controls().Flag_Kmw->click();
    ok &= save(opened(&main, "MaJ_KmW"), folder, "maj_kmw.png");
    return ok ? 0 : 1;
}
