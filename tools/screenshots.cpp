// Pictures of Pendrel for the README and the AppStream metainfo: the real
// windows, opened through their menu entries on a generated log, grabbed under
// the offscreen platform. A window that is not built yet (its menu entry is
// missing or disabled) is skipped with a note, so the same run picks it up
// once it exists.
//
// Usage: screenshots OUTPUT-FOLDER   (run with QT_QPA_PLATFORM=offscreen)
#include "core/storage/SettingsKeys.h"
#include "platform/qt/QtPrinter.h"
#include "support/BenchStation.h"
#include "support/LogGenerator.h"
#include "ui/common/FrenchTranslations.h"
#include "ui/main/Main.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QTest>
#include <cstdio>
#include <functional>

using namespace pendrel;

namespace {

QString g_folder;

// The result of one shot: the file written, or why there is none.
struct Shot {
    bool saved = false;
    QString note;
};

Shot skipped(const QString &note)
{
    return {false, note};
}

Shot save(QWidget *window, const QString &file)
{
    QApplication::processEvents();
    const QString path = QDir(g_folder).filePath(file);
    if (!window->grab().save(path))
        return skipped(QStringLiteral("écriture impossible de ") + path);
    return {true, path};
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// A shown top-level window (or dialog) by its object name.
QWidget *window(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

// Triggers a menu entry of the main window; the note says why it could not.
QString trigger(ui::Main &main, const char *entry)
{
    auto *action = main.findChild<QAction *>(QLatin1String(entry));
    if (!action)
        return QStringLiteral("entrée de menu %1 absente").arg(QLatin1String(entry));
    if (!action->isEnabled())
        return QStringLiteral("entrée de menu %1 pas encore construite").arg(QLatin1String(entry));
    action->trigger();
    settle();
    return {};
}

void click(QWidget *parent, const char *button)
{
    if (auto *b = parent->findChild<QAbstractButton *>(QLatin1String(button))) {
        b->click();
        settle();
    }
}

// Clicks the last `count` lines of a list, as the operator picks QSOs.
void clickLastLines(QWidget *parent, const char *list, int count)
{
    auto *view = parent->findChild<QAbstractItemView *>(QLatin1String(list));
    if (!view || !view->model())
        return;
    for (int i = 0; i < count && view->model()->rowCount() > 0; ++i) {
        const QModelIndex last = view->model()->index(view->model()->rowCount() - 1, 0);
        view->scrollTo(last);
        settle();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(last).center());
        settle();
    }
}

// The printer of the label shot: shows the print preview the operator sees,
// saves it, and prints nothing.
class PreviewShotPrinter : public Printer {
public:
    Shot shot = skipped(QStringLiteral("rien n'a été envoyé à l'imprimante"));

    bool choosePrinter() override { return true; }
    bool print(const QList<PrintStep> &steps) override
    {
        preview(steps);
        return true;
    }
    void nameDocument(const QString &, const QString &) override {}
    Printer::Outcome previewAndPrint(const QList<PrintStep> &steps, const SheetQuestion &) override
    {
        preview(steps);
        return Printer::Outcome::Cancelled;
    }

private:
    void preview(const QList<PrintStep> &steps)
    {
        QPrinter printer;
        QPrintPreviewDialog dialog(&printer);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter *p) { paintSteps(*p, steps); });
        dialog.resize(900, 760);
        dialog.show();
        settle();
        shot = save(&dialog, QStringLiteral("etiquettes.png"));
        dialog.close();
    }
};

// The station of the pictures: a fixed log of 2000 QSOs, the last band and
// mode 144 Mhz SSB, the printer catching the label preview.
struct ShotStation {
    bench::BenchStation bench{bench::LogGenerator(2008).recordLines(2000)};
    PreviewShotPrinter printer;
    Platform platform{bench.clock, bench.dialogs, bench.settings, printer, bench.dir.path()};

    ShotStation()
    {
        const QString section = settings::callsignSection(QStringLiteral("F1AAA"));
        bench.settings.write(section, settings::BandeUtilisee, QStringLiteral("10"));
        bench.settings.write(section, settings::ModeUtilise, QStringLiteral("0"));
        bench.settings.write(section, settings::Transceiver, QStringLiteral("FT-817"));
        bench.settings.write(section, settings::Antenne, QStringLiteral("DIPOLE"));
        bench.clock.utc = QDateTime(QDate(2008, 6, 18), QTime(15, 42, 10), Qt::UTC);
    }
};

// Each shot opens its window from the main window as the operator would.
Shot mainWindow(ui::Main &main)
{
    // A QSO being typed: the callsign confirmed, the first name waiting.
    auto *call = main.findChild<QLineEdit *>(QStringLiteral("Ind_A"));
    if (call) {
        call->setFocus();
        QTest::keyClicks(call, QStringLiteral("F5ROB"));
        QTest::keyClick(call, Qt::Key_Return);
        settle();
    }
    return save(&main, QStringLiteral("main.png"));
}

Shot departementMap(ui::Main &main)
{
    if (const QString note = trigger(main, "Mnu_Carte_HB"); !note.isEmpty())
        return skipped(note);
    QWidget *map = window("Carte_Acti_Orvil");
    return map ? save(map, QStringLiteral("carte.png")) : skipped(QStringLiteral("fenêtre Carte_Acti_Orvil non ouverte"));
}

Shot fieldMap(ui::Main &main)
{
    if (const QString note = trigger(main, "Mnu_Loc_Moyens"); !note.isEmpty())
        return skipped(note);
    QWidget *chooser = window("Select_Locator");
    if (!chooser)
        return skipped(QStringLiteral("fenêtre Select_Locator non ouverte"));
    click(chooser, "Command1");
    QWidget *map = window("Carte_JN");
    return map ? save(map, QStringLiteral("carte-jn.png")) : skipped(QStringLiteral("fenêtre Carte_JN non ouverte"));
}

Shot statistics(ui::Main &main)
{
    if (const QString note = trigger(main, "Mnu_Statistiques"); !note.isEmpty())
        return skipped(note);
    QWidget *charts = window("Statistiques");
    return charts ? save(charts, QStringLiteral("statistiques.png"))
                  : skipped(QStringLiteral("fenêtre Statistiques non ouverte"));
}

Shot labelPreview(ui::Main &main, PreviewShotPrinter &printer)
{
    if (const QString note = trigger(main, "Mnu_Print_QSL"); !note.isEmpty())
        return skipped(note);
    QWidget *selection = window("Select_QSO");
    if (!selection)
        return skipped(QStringLiteral("fenêtre Select_QSO non ouverte"));
    clickLastLines(selection, "Liste_QSO", 6);
    click(selection, "Impression");
    QWidget *labels = window("Etiquettes");
    if (!labels)
        return skipped(QStringLiteral("fenêtre Etiquettes non ouverte"));
    click(labels, "Imprime");
    return printer.shot;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pendrel"));
    if (argc < 2) {
        std::fprintf(stderr, "usage : screenshots DOSSIER\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);
    ui::installFrenchTranslations(&app);

    ShotStation station;
    ui::Main main(station.platform);
    main.start();
    settle();

    const QList<std::pair<const char *, std::function<Shot()>>> shots = {
        {"fenêtre principale", [&] { return mainWindow(main); }},
        {"carte des départements", [&] { return departementMap(main); }},
        {"carte des locators JN", [&] { return fieldMap(main); }},
        {"statistiques", [&] { return statistics(main); }},
        {"aperçu des étiquettes", [&] { return labelPreview(main, station.printer); }},
    };
    int saved = 0;
    for (const auto &[what, shoot] : shots) {
        const Shot outcome = shoot();
        saved += outcome.saved;
        std::printf("%s : %s%s\n", what, outcome.saved ? "" : "sautée, ", qPrintable(outcome.note));
    }
    return saved > 0 ? 0 : 1;
}
