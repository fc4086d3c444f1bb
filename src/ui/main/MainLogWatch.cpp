// The main window and the other writers of its data folder: a second window,
// pendrel-cli, a text editor, a file manager. The list follows what the file
// holds, and the status line says what happened to it.
#include "ui/main/Main.h"

#include "core/storage/DataFolderLock.h"
#include "core/storage/SettingsKeys.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QStringListModel>
#include <QTime>
#include <QTimer>

namespace pendrel::ui {

void Main::watchDataFolder()
{
    statusBar()->setObjectName(QStringLiteral("Barre_Etat"));
    // Another writer of the data folder: the folder changes when a file is
    // replaced or removed, the log itself when a line is appended. A rewrite
    // fires several signals; one reading follows once they have settled.
    m_watcher = new QFileSystemWatcher(this);
    m_changeSettle = new QTimer(this);
    m_changeSettle->setSingleShot(true);
    m_changeSettle->setInterval(150);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_changeSettle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_changeSettle, qOverload<>(&QTimer::start));
    connect(m_changeSettle, &QTimer::timeout, this, &Main::refreshIfChanged);

    // While a write waits for another writer to let the folder go, the window
    // keeps painting and says why nothing happens yet; the operator's keys and
    // clicks wait, so that nothing starts in the middle of that write.
    DataFolderLock::setWaitNotice([bar = QPointer<QStatusBar>(statusBar())](bool waiting) {
        if (bar)
            waiting ? bar->showMessage(QStringLiteral("Le dossier des données est occupé par un autre programme "
                                                      "(Pendrel ou pendrel-cli) : enregistrement en attente…"))
                    : bar->clearMessage();
        if (waiting)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void Main::showLogState(const QString &message)
{
    if (message.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(message);
}

bool Main::refreshIfChanged()
{
    if (m_ended || m_state.StationCallsign == settings::PlaceholderCallsign)
        return false;
    const FileStamp now = stampOfLog();
    if (now == m_shownLog)
        return false;
    const QString name = LogStore::logFileName(m_state.StationCallsign, stationKind());
    if (now.size < 0) {
        // Deleted or moved away: the list no longer shows QSOs that the file holds.
        m_model->setStringList({});
        m_state.SelectedLogLine.clear();
        m_c.Total_P->setText(QStringLiteral("0"));
        m_c.KmW_Max->setText(QStringLiteral("0"));
        m_shownLog = {};
        showLogState(QStringLiteral("Le log %1 n'est plus dans le dossier des données (supprimé ou déplacé par un "
                                    "autre programme) : la liste est vide.")
                         .arg(name));
    } else {
        LoadLog();
        selectLastLine();
        if (m_ended)
            return true;
        showLogState(now.size == 0 || m_model->rowCount() == 0
                         ? QStringLiteral("Le log %1 a été vidé par un autre programme : il ne contient aucun QSO.")
                               .arg(name)
                         : QStringLiteral("Le log %1 a été modifié par un autre programme à %2 : la liste montre son "
                                          "contenu actuel.")
                               .arg(name, QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
    }
    if (!m_state.EditMode)
        updateNextQsoLine();
    return true;
}

void Main::watchLog()
{
    // The watch of a file ends when it is replaced: set again after each load.
    const QString log = m_store.logPath(m_state.StationCallsign, stationKind());
    if (!m_watcher->directories().contains(m_platform.dataFolder))
        m_watcher->addPath(m_platform.dataFolder);
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    m_watcher->addPath(log);
}

Main::FileStamp Main::stampOfLog() const
{
    const QFileInfo file(m_store.logPath(m_state.StationCallsign, stationKind()));
    return file.exists() ? FileStamp{file.size(), file.lastModified()} : FileStamp{};
}

} // namespace pendrel::ui
