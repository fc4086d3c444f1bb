// ADIF exchange from the main window: export of the fixed log, import of
// another logger's file into the current log.
#include "core/adif/AdifExport.h"
#include "core/adif/AdifImport.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QGuiApplication>
#include <QProgressDialog>

namespace pendrel::ui {

void Main::connectAdif()
{
    connect(m_c.Mnu_ADIF, &QAction::triggered, this, [this] {
        const adif::ExportResult result = adif::exportFixedLog(m_platform.dataFolder, m_state.StationCallsign,
                                                               fileWriter());
        result.ok ? tellSavedFile(result.message) : m_platform.dialogs.message(result.message);
    });
    connect(m_c.Mnu_Import_Adif, &QAction::triggered, this, &Main::importAdif);
}

void Main::importAdif()
{
    Dialogs &dialogs = m_platform.dialogs;
    if (!dialogs.ask(adif::importQuestion(ownLocator(), ownPower())))
        return;
    const QString path = dialogs.openFile(QStringLiteral("Importer un log au format ADIF"), m_platform.dataFolder,
                                          adif::importFileFilter());
    if (path.isEmpty()) {
        dialogs.message(adif::noFileChosenMessage());
        return;
    }

    if (!backupBeforeImport())
        return;

    // A long import shows its progress and can be stopped; the log is only
    // rewritten once the whole file has been read.
    QProgressDialog progress(QStringLiteral("Importation du fichier ADIF..."), QStringLiteral("Annuler"), 0, 1000,
                             this);
    progress.setObjectName(QStringLiteral("Progression_Import"));
    progress.setWindowTitle(QGuiApplication::applicationDisplayName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const adif::Progress report = [&progress](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? int(done * 1000 / total) : 0);
        return !progress.wasCanceled();
    };

    const adif::ImportRequest request{m_platform.dataFolder, m_state.StationCallsign, stationKind(), ownLocator(),
                                      ownPower(), m_state.OutingQsoCount, m_platform.clock.nowLocal().date(), path};
    const adif::ImportResult result = adif::importFile(request, report, fileWriter());
    progress.reset();
    if (result.ok) {
        // The list shows the new log before the messages are read: while they
        // are open, the window's own rewrite is not taken for another program's.
        LoadLog();
        selectLastLine();
        updateNextQsoLine();
    }
    for (const QString &message : result.messages)
        dialogs.message(message);
    if (result.ok)
        dialogs.message(result.summary);
}

} // namespace pendrel::ui
