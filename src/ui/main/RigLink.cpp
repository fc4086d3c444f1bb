#include "ui/main/RigLink.h"

#include "core/info/RulesText.h"
#include "core/rig/RigReading.h"
#include "core/storage/Bands.h"
#include "core/storage/SettingsKeys.h"
#include "ui/main/Main.h"
#include "ui/main/RigDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStatusBar>

namespace pendrel::ui {

namespace {
const QString NotConnected = QStringLiteral("Poste non connecté");
}

RigLink::RigLink(Main &main, QMenu *stationMenu)
    : QObject(&main)
    , m_main(main)
    , m_label(new QLabel(&main))
{
    m_label->setObjectName(QStringLiteral("Etat_Poste"));
    m_label->hide();
    main.statusBar()->addPermanentWidget(m_label);
    connect(&m_client, &RigctldClient::statusChanged, this, &RigLink::showStatus);
    m_relaunch.setSingleShot(true);
    m_relaunch.setInterval(5000);
    connect(&m_relaunch, &QTimer::timeout, this, &RigLink::launchDaemon);

    auto *dialog = stationMenu->addAction(QStringLiteral("&Poste (CAT)…"));
    dialog->setObjectName(QStringLiteral("Mnu_Poste"));
    connect(dialog, &QAction::triggered, this, &RigLink::openDialog);
    QMenu *frequencies = stationMenu->addMenu(QStringLiteral("&Fréquences préconisées"));
    frequencies->setObjectName(QStringLiteral("Mnu_Frequences"));
    connect(frequencies, &QMenu::aboutToShow, this, [this, frequencies] { fillFrequencies(frequencies); });

    // A power typed by the operator stands until the rig's power changes.
    MainControls &c = main.controls();
    for (QLineEdit *power : {c.Pwr_F, c.Pwr_P})
        connect(power, &QLineEdit::textEdited, this, [this] { m_powerTyped = true; });
}

RigLink::~RigLink()
{
    m_client.stop();
    stopDaemon();
}

void RigLink::follow()
{
    const QString section = settings::callsignSection(m_main.state().StationCallsign);
    const rig::RigSetup setup = rig::RigSetup::read(m_main.platform().settings, section);
    if (m_active && section == m_section && setup == m_setup)
        return;
    m_section = section;
    m_setup = setup;
    restart();
}

void RigLink::restart()
{
    m_active = true;
    m_client.stop();
    stopDaemon();
    m_daemonProblem.clear();
    m_rigWatts = -1;
    m_label->setVisible(m_setup.source != rig::RigSetup::Source::Off);
    switch (m_setup.source) {
    case rig::RigSetup::Source::Off:
        return;
    case rig::RigSetup::Source::Running:
        m_client.start(m_setup.host, m_setup.port);
        break;
    case rig::RigSetup::Source::Launched:
        launchDaemon();
        break;
    }
    showStatus();
}

void RigLink::launchDaemon()
{
    stopDaemon();
    m_daemon = new QProcess(this);
    m_daemon->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon->setStandardOutputFile(QProcess::nullDevice());
    connect(m_daemon, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        m_client.stop();
        m_daemonProblem = QStringLiteral("rigctld introuvable : installez le paquet libhamlib-utils");
        showStatus();
    });
    connect(m_daemon, &QProcess::finished, this, [this](int code) {
        // The rig's model or serial port is likely wrong; try again later, as
        // for a rig switched on after Pendrel.
        m_client.stop();
        m_daemonProblem = QStringLiteral("rigctld s'est arrêté (code %1) : vérifiez le modèle et le port série").arg(code);
        showStatus();
        m_relaunch.start();
    });
    connect(m_daemon, &QProcess::started, this, [this] {
        m_daemonProblem.clear();
        // It listens a moment after it starts; the client retries until then.
        m_client.setIntervals(500, 300, 1000);
        m_client.start(QStringLiteral("127.0.0.1"), m_setup.port);
    });
    m_daemon->start(QStringLiteral("rigctld"), m_setup.launchArguments());
}

void RigLink::stopDaemon()
{
    m_relaunch.stop();
    if (!m_daemon)
        return;
    m_daemon->disconnect(this);
    if (m_daemon->state() != QProcess::NotRunning) {
        m_daemon->terminate();
        if (!m_daemon->waitForFinished(1000)) {
            m_daemon->kill();
            m_daemon->waitForFinished(1000);
        }
    }
    delete m_daemon;
    m_daemon = nullptr;
}

void RigLink::openDialog()
{
    Poste_CAT dialog(m_setup, &m_main);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_setup = dialog.setup();
    m_setup.write(m_main.platform().settings, m_section);
    restart();
}

void RigLink::showStatus()
{
    const RigStatus &status = m_client.status();
    if (!m_daemonProblem.isEmpty() || !status.connected) {
        m_label->setText(NotConnected);
        m_label->setToolTip(m_daemonProblem.isEmpty() ? status.reason : m_daemonProblem);
        return;
    }
    m_label->setText(rig::stateLine(status.hz, status.mode, status.milliwatts));
    m_label->setToolTip(QString());
    propose();
}

void RigLink::propose()
{
    // An entry being typed or edited keeps its values; a new one takes the rig's.
    const RigStatus &status = m_client.status();
    MainControls &c = m_main.controls();
    if (m_main.state().EditMode || m_main.state().InsertMode)
        return;
    if (!m_main.entryHalfTyped()) {
        const qsizetype band = BandList.indexOf(rig::entryBand(status.hz));
        const qsizetype mode = ModeList.indexOf(rig::entryMode(status.mode));
        if (band >= 0)
            c.Bande_A->setCurrentIndex(int(band));
        if (mode >= 0)
            c.Mode_A->setCurrentIndex(int(mode));
    }
    const int watts = status.milliwatts < 0 ? -1 : rig::wholeWatts(status.milliwatts);
    if (watts != m_rigWatts)
        m_powerTyped = false;
    m_rigWatts = watts;
    if (watts < 1 || m_powerTyped)
        return;
    QLineEdit *power = m_main.stationKind() == StationKind::Fixed ? c.Pwr_F : c.Pwr_P;
    if (power->text() != QString::number(watts))
        power->setText(QString::number(watts));
}

void RigLink::fillFrequencies(QMenu *menu)
{
    menu->clear();
    const RigStatus &status = m_client.status();
    // The entry's mode, which follows the rig's unless the operator chose another.
    const QString mode = m_main.controls().Mode_A->currentText();
    for (const qint64 hz : rig::recommendedFrequencies(contestRulesLines(), mode)) {
        QAction *choice = menu->addAction(QStringLiteral("%1 kHz %2").arg(QString::number(double(hz) / 1000, 'f', hz % 1000 ? 1 : 0), mode));
        choice->setObjectName(QStringLiteral("Frequence_%1").arg(hz));
        choice->setEnabled(status.connected);
        connect(choice, &QAction::triggered, this, [this, hz, mode] { m_client.tune(hz, mode); });
    }
    if (!status.connected)
        menu->addAction(NotConnected + QStringLiteral(" : Station → Poste (CAT)…"))->setEnabled(false);
}

} // namespace pendrel::ui
