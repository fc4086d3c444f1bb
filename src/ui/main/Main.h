#pragma once
#include "core/AppState.h"
#include "core/backup/Backups.h"
#include "core/storage/LogStore.h"
#include "platform/Platform.h"
#include "ui/main/MainControls.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QFileSystemWatcher;
class QMenu;
class QStringListModel;
class QTimer;

namespace pendrel::ui {

class EntryLine;
class GpsLink;
class RigLink;
class WorkedBeforeLine;
class Station;

// The main window: the log list, the entry line, the own station and the
// menus. It owns the program-wide state and opens every other window.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(Platform &platform, QWidget *parent = nullptr);
    ~Main() override;

    // The start-up sequence: reads the settings, shows the window, runs the
    // first-run path, selects the station kind and loads its log.
    void start();

    AppState &state() { return m_state; }
    const AppState &state() const { return m_state; }
    Platform &platform() { return m_platform; }
    const LogStore &logStore() const { return m_store; }
    // The writer of every file the windows change.
    FileWriter &fileWriter() const { return m_platform.fileWriter ? *m_platform.fileWriter : FileWriter::standard(); }
    MainControls &controls() { return m_c; }
    WorkedBeforeLine &workedBefore() { return *m_workedBefore; }
    QStringListModel *logModel() { return m_model; }
    // True when the operator has begun typing the entry line's next QSO.
    bool entryHalfTyped() const;

    // Option1 checked means the fixed station.
    StationKind stationKind() const;
    // Locator and power of the current station kind.
    QString ownLocator() const;
    QString ownPower() const;
    // "Automatique" checked in the Date menu.
    bool automaticDating() const;

    // Reads the log of the current callsign and kind into the list and the totals.
    void LoadLog();
    // Selects the last line of the list (no selection when it is empty).
    void selectLastLine();
    // Sets the title of Frame3 to the next-QSO line of the current kind, and
    // the outing's count beside the total points on the portable station.
    void updateNextQsoLine();
    // The list holds as many QSOs as can be numbered: no new one may be added.
    bool logIsFull() const;
    QString logFullMessage() const;
    // After a change to a log file: its message when it failed, else the
    // reloaded list with its last line selected.
    void applyStoreResult(const StoreResult &result);
    // Appends a QSO to the log of the current kind and shows it. While the
    // file is still exactly what the list was read from, the list and the
    // totals take the one new line instead of reading the whole log again.
    // A failure is reported and changes nothing.
    StoreResult appendQso(const QString &recordLine);
    // When another writer (a second window, pendrel-cli) changed the log since
    // the list was read, reads it again and selects its last line; true then.
    // A log removed meanwhile empties the list. The status line says which.
    // Called when the folder watcher reports a change and before an action
    // on a selected line, so that the operator acts on what the file holds.
    bool refreshIfChanged();

    // Shows the callsign as given in I_Station and, followed by "/P", in I_Station_P.
    void showCallsign(const QString &shown);
    // Selects in Bande_A and Mode_A the indexes stored for the current callsign.
    void selectStoredBandAndMode();

    // Settings of the current callsign's section.
    QString callsignSetting(const QString &key, const QString &defaultValue) const;
    void writeCallsignSetting(const QString &key, const QString &value);
    // A "True"/"False" setting of that section (any case); false when absent.
    bool callsignFlag(const QString &key, bool defaultValue = false) const;

    // Opens the station dialog; modal at first run, otherwise alongside the window.
    void openStationDialog(bool modal);
    // One tick of Timer1: the UTC time, local time and UTC date labels.
    void tickClock();

    // Ends the program. The default ends the event loop; tests replace it.
    void setEndProgramHook(std::function<void(int)> hook) { m_endProgram = std::move(hook); }
    void endProgram(int exitCode);
    bool hasEnded() const { return m_ended; }
    int exitCode() const { return m_exitCode; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QSize openingSize() const;
    void buildMenus();
    QWidget *buildStationFrame();
    QWidget *buildEntryFrame();
    QWidget *buildLogHeadings();
    QWidget *buildClockFrame();
    void setInitialEntryState();
    void connectBehaviour();
    void connectViews();
    void reselectLine(const QString &chosen);
    void tellSavedFile(const QString &message);
    void connectAdif();
    void connectInfo();
    void connectKeyboard();
    // Backups and undo (MainBackups.cpp).
    void buildBackupEntries(QMenu *fichier);
    void backupAtStart();
    // Before an import: false when the operator would rather not import without one.
    bool backupBeforeImport();
    void undoLastChange();
    void backupNow();
    void restoreBackup();
    void chooseBackupFolder();
    Backups backups() const;
    void openRankingWindow();
    void importAdif();
    void openLabelWindows();

    void fixedStationChosen();
    void portableStationChosen();
    void newOuting();
    void setDating(bool automatic);
    void enableKindLabels(StationKind kind);
    void showBestKmWFlag();
    void showRecoveryDialog();
    void logLineSelected(int row);

    // The log file as the list last read it: its size and time of change.
    struct FileStamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const FileStamp &) const = default;
    };
    FileStamp stampOfLog() const;
    void watchDataFolder();
    void watchLog();
    // The status line's word on the log (empty: none).
    void showLogState(const QString &message);

    Platform &m_platform;
    AppState m_state;
    LogStore m_store;
    MainControls m_c;
    QStringListModel *m_model = nullptr;
    QPointer<Station> m_station;
    std::function<void(int)> m_endProgram;
    bool m_ended = false;
    int m_exitCode = 0;
    bool m_startingOuting = false;
    bool m_choosingStoredKind = false; // start-up selects the stored station kind
    FileStamp m_shownLog;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_changeSettle = nullptr;
    std::unique_ptr<EntryLine> m_entryLine;
    WorkedBeforeLine *m_workedBefore = nullptr;
    RigLink *m_rig = nullptr;
    GpsLink *m_gps = nullptr;
};

} // namespace pendrel::ui
