#include "ui/main/MainMaps.h"

#include "core/storage/SettingsKeys.h"
#include "ui/main/Main.h"
#include "ui/maps/Carte_Acti_Orvil.h"
#include "ui/maps/Select_Locator.h"

#include <QAction>
#include <QStringListModel>

namespace pendrel::ui {

void connectMapMenus(Main &main, QAction *departements, QAction *fields, QAction *world)
{
    QObject::connect(departements, &QAction::triggered, &main, [&main] {
        // The log file of the station kind selected when Display runs.
        auto mark = [&main](const QString &band, const QString &mode) {
            return MarkDepartements(main.logStore(), main.state().StationCallsign, main.stationKind(), band, mode);
        };
        const int band = main.callsignSetting(settings::BandeUtilisee, QStringLiteral("0")).toInt();
        const int mode = main.callsignSetting(settings::ModeUtilise, QStringLiteral("0")).toInt();
        openDepartementMap(&main, mark, band, mode, main.platform().dialogs, main.fileWriter());
    });
    auto logLines = [&main] { return main.logModel()->stringList(); };
    QObject::connect(fields, &QAction::triggered, &main, [&main, logLines] {
        openSelectLocator(&main, logLines, main.platform().dialogs, main.fileWriter());
    });
    QObject::connect(world, &QAction::triggered, &main, [&main, logLines] {
        openSelectLocatorMonde(&main, logLines, main.platform().dialogs, main.fileWriter());
    });
}

} // namespace pendrel::ui
