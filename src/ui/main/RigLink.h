#pragma once
#include "core/rig/RigSetup.h"
#include "platform/qt/RigctldClient.h"

#include <QObject>
#include <QTimer>

class QLabel;
class QMenu;
class QProcess;

namespace pendrel::ui {

class Main;

// The main window's link to the transceiver through rigctld: the connection
// the callsign's settings describe (a running rigctld, or one Pendrel starts
// and stops), the rig's state in the status bar (`Etat_Poste`), the band, mode
// and power it proposes to the entry line, and Station's entries "Poste
// (CAT)…" and "Fréquences préconisées".
class RigLink : public QObject {
    Q_OBJECT
public:
    explicit RigLink(Main &main, QMenu *stationMenu);
    ~RigLink() override;

    // Follows the settings of the current callsign (at start-up, after a new
    // callsign): connects anew when they differ from those in use.
    void follow();
    // The client, for the tests' timings.
    RigctldClient &client() { return m_client; }

private:
    void restart();
    void openDialog();
    void launchDaemon();
    void stopDaemon();
    void showStatus();
    void propose();
    void fillFrequencies(QMenu *menu);

    Main &m_main;
    RigctldClient m_client;
    QProcess *m_daemon = nullptr;
    QTimer m_relaunch;
    QString m_daemonProblem;
    QLabel *m_label;
    QString m_section;
    rig::RigSetup m_setup;
    bool m_active = false;
    int m_rigWatts = -1;       // the rig's power last proposed
    bool m_powerTyped = false; // the operator typed a power since
};

} // namespace pendrel::ui
