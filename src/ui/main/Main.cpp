#include "ui/main/Main.h"
#include "ui/main/WorkedBeforeLine.h"

#include "core/entry/LogLineActions.h"
#include "core/info/RevisionHistory.h"
#include "core/storage/Bands.h"
#include "core/storage/Cp1252.h"
#include "core/storage/DateTimeText.h"
#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/SettingsKeys.h"
#include "core/storage/StationIdentity.h"
#include "ui/common/WindowPlacement.h"
#include "ui/main/EntryLine.h"
#include "ui/main/Gestion_Erreur.h"
#include "ui/main/GpsLink.h"
#include "ui/main/RigLink.h"
#include "ui/main/Station.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTimer>

namespace pendrel::ui {

namespace keys = settings;

Main::Main(Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_store(platform.dataFolder, fileWriter()),
      m_model(new QStringListModel(this)),
      m_endProgram([](int code) { QCoreApplication::exit(code); })
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("  Pendrel    Revision ") + m_state.ProgramRevision);
    buildControls();
    buildMenus();
    setInitialEntryState();
    connectBehaviour();
    // The journal of changes keeps, with each, the settings it may move.
    m_store.setSettingsSnapshot([this] { return journalledSettings(m_platform.settings, m_state.StationCallsign); });
    m_entryLine = std::make_unique<EntryLine>(*this);
    m_workedBefore = new WorkedBeforeLine(*m_model, *m_c.Deja_Contacte);
    QMenu *station = menuBar()->findChild<QMenu *>(QStringLiteral("Mnu_Station"));
    m_rig = new RigLink(*this, station);
    m_gps = new GpsLink(*this, station);
    // The clock runs from the window's creation; the first tick is not left
    // to wait a second, since automatic dating copies these labels.
    tickClock();
    m_c.Timer1->start();
}

Main::~Main() = default;

void Main::connectBehaviour()
{
    connect(m_c.Timer1, &QTimer::timeout, this, &Main::tickClock);
    watchDataFolder();
    connect(m_c.Liste_Orvil->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { logLineSelected(current.row()); });
    connect(m_c.Option1, &QRadioButton::toggled, this, [this](bool on) { if (on) fixedStationChosen(); });
    connect(m_c.Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) portableStationChosen(); });
    connect(m_c.mnu_sortie, &QAction::triggered, this, &Main::newOuting);
    connect(m_c.Mnu_Date_Auto, &QAction::triggered, this, [this] { setDating(true); });
    connect(m_c.Mnu_Date_Man, &QAction::triggered, this, [this] { setDating(false); });
    connect(m_c.Mnu_New_Indicatif, &QAction::triggered, this, [this] { openStationDialog(false); });
    connect(m_c.Mnu_Quitter, &QAction::triggered, this, &QWidget::close);
    connectViews();
    connectAdif();
    connectInfo();
    connectKeyboard();
}

void Main::start()
{
    SettingsStore &store = m_platform.settings;
    resize(openingSize());
    centreWhenFirstShown(this);

    m_c.Bande_A->clear();
    m_c.Bande_A->addItems(BandList);
    m_c.Mode_A->clear();
    m_c.Mode_A->addItems(ModeList);

    // A stored callsign that is no callsign (edited by hand) names no file: first run.
    m_state.StationCallsign = readStoredCallsign(store);
    showCallsign(m_state.StationCallsign);
    m_c.L_Station->setText(store.read(keys::GlobalSection, keys::LocatorStation, QStringLiteral("JNXXX")));
    selectStoredBandAndMode();

    const QString dating = callsignSetting(keys::DateAuto, QStringLiteral("Oui"));
    if (dating == QLatin1String("Oui"))
        m_c.Mnu_Date_Auto->setChecked(true);
    else if (dating == QLatin1String("Non"))
        m_c.Mnu_Date_Man->setChecked(true);

    store.write(keys::GlobalSection, keys::CheminRepertoire, QDir::toNativeSeparators(m_platform.dataFolder));

    m_c.Pwr_F->setText(callsignSetting(keys::PwrFixe, QString()));
    m_c.Pwr_P->setText(callsignSetting(keys::PwrPortable, QString()));
    m_c.L_Station_P->setText(callsignSetting(keys::LocatorPortable, QString()));
    m_state.OutingQsoCount = qint16(storedSettingNumber(callsignSetting(keys::Bonus, QStringLiteral("1"))));
    m_state.OutingBonusEarned = callsignFlag(keys::BonusSortie, m_state.OutingQsoCount > 5);

    show();

    if (m_state.StationCallsign == keys::PlaceholderCallsign) {
        m_platform.dialogs.message(QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif et "
                                                  "votre locator (station fixe)"));
        openStationDialog(true);
        if (m_ended)
            return;
    }

    m_state.EditMode = false;
    m_c.Ind_A->setEnabled(true);
    m_state.RevisionHistory = revisionHistoryText();

    m_choosingStoredKind = true;
    (callsignFlag(keys::Activite) ? m_c.Option2 : m_c.Option1)->setChecked(true);
    m_choosingStoredKind = false;
    if (m_ended)
        return;
    showBestKmWFlag();

    if (m_state.StationCallsign != keys::PlaceholderCallsign) {
        LoadLog();
        if (!m_ended)
            backupAtStart();
    }
    if (m_ended)
        return;
    selectLastLine();
    updateNextQsoLine();
    writeCallsignSetting(keys::Revision, m_state.ProgramRevision);
    (m_c.Pwr_F->text().isEmpty() ? m_c.Pwr_F : m_c.Ind_A)->setFocus();
    m_gps->follow();
}

StationKind Main::stationKind() const
{
    return m_c.Option1->isChecked() ? StationKind::Fixed : StationKind::Portable;
}

QString Main::ownLocator() const
{
    return stationKind() == StationKind::Fixed ? m_c.L_Station->text() : m_c.L_Station_P->text();
}

QString Main::ownPower() const
{
    return stationKind() == StationKind::Fixed ? m_c.Pwr_F->text() : m_c.Pwr_P->text();
}

bool Main::automaticDating() const
{
    return m_c.Mnu_Date_Auto->isChecked();
}

void Main::LoadLog()
{
    m_model->setStringList({});
    m_state.SelectedLogLine.clear();
    m_c.Tri_Date->setChecked(true); // the file order
    // Before the first set-up there is no log to read.
    if (m_state.StationCallsign == keys::PlaceholderCallsign) {
        m_c.Total_P->setText(QStringLiteral("0"));
        m_c.KmW_Max->setText(QStringLiteral("0"));
        m_c.Ind_A->setEnabled(true);
        return;
    }
    m_shownLog = {};
    const FileStamp stamp = stampOfLog(); // before reading: a change while reading shows as a new stamp
    const LoadResult result = m_store.LoadLog(m_state.StationCallsign, stationKind());
    if (result.status == ReadStatus::NotFound) {
        showRecoveryDialog();
        return;
    }
    if (result.status == ReadStatus::Error) {
        m_platform.dialogs.message(result.error + QStringLiteral("\r\nPendrel va s'arrêter."));
        endProgram(1);
        return;
    }
    m_model->setStringList(result.view.listLines);
    m_shownLog = stamp;
    watchLog();
    showLogState({});
    m_c.KmW_Max->setText(result.view.bestKmW);
    m_c.Total_P->setText(result.view.totalPoints);
    m_c.Ind_A->setEnabled(true);
    if (!result.warning.isEmpty())
        m_platform.dialogs.message(result.warning);
}

void Main::showRecoveryDialog()
{
    // The name of the file that is missing, beside the callsign the dialog shows.
    const QString suffix = LogStore::logFileName(QString(), stationKind());
    Gestion_Erreur dialog(m_platform.settings, suffix, this);
    connect(&dialog, &Gestion_Erreur::quitRequested, this, [this] { endProgram(0); });
    dialog.exec();
}

void Main::selectLastLine()
{
    const int rows = m_model->rowCount();
    if (rows == 0) {
        m_c.Liste_Orvil->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex last = m_model->index(rows - 1);
    m_c.Liste_Orvil->setCurrentIndex(last);
    m_c.Liste_Orvil->scrollTo(last);
    // Again once the window has its final size, which a first show may still change.
    QTimer::singleShot(0, m_c.Liste_Orvil, [list = m_c.Liste_Orvil] { list->scrollTo(list->currentIndex()); });
    logLineSelected(rows - 1);
}

void Main::logLineSelected(int row)
{
    if (row >= 0)
        m_state.SelectedLogLine = m_model->index(row).data().toString();
}

void Main::updateNextQsoLine()
{
    const StationKind kind = stationKind();
    // A full log takes no next QSO: the line says so before any typing.
    m_c.Frame3->setTitle(logIsFull() ? logFullMessage()
                                     : nextQsoLine(kind, m_c.Liste_Orvil->currentIndex().row(),
                                                   m_state.OutingQsoCount, m_c.L_Station->text(),
                                                   m_c.L_Station_P->text()));
    // Beside the total, "Pts" is its unit; the outing's count is named as such.
    m_c.Label23->setText(kind == StationKind::Portable
                             ? QStringLiteral("Pts   (QSO %1 de la sortie)").arg(m_state.OutingQsoCount)
                             : QStringLiteral("Pts"));
}

bool Main::logIsFull() const
{
    return m_model->rowCount() >= QsoRecord::MaxQsoNumber;
}

QString Main::logFullMessage() const
{
    return LogStore::logFullText(LogStore::logFileName(m_state.StationCallsign, stationKind())) +
           QStringLiteral(" Aucun QSO ne peut y être ajouté.");
}

void Main::applyStoreResult(const StoreResult &result)
{
    if (!result.ok) {
        m_platform.dialogs.message(result.message);
        return;
    }
    LoadLog();
    selectLastLine();
}

StoreResult Main::appendQso(const QString &recordLine)
{
    const bool listIsFile = m_shownLog.size >= 0 && stampOfLog() == m_shownLog;
    // The list holds every QSO of the file as shown: the store need not read it again.
    const KnownLog known =
        listIsFile ? KnownLog{m_shownLog.size, m_shownLog.modified, m_model->rowCount()} : KnownLog{};
    const StoreResult result = m_store.AppendQso(m_state.StationCallsign, stationKind(), recordLine, known);
    const FileStamp after = stampOfLog();
    // Anything but exactly one more line on the file as shown: read it all.
    if (!result.ok || !listIsFile || after.size != m_shownLog.size + cp1252::encode(recordLine).size() + 2) {
        applyStoreResult(result);
        return result;
    }
    const int row = m_model->rowCount();
    m_model->insertRows(row, 1);
    m_model->setData(m_model->index(row), listLineFromRecordLine(recordLine, row + 1));
    const LogView added = LogStore::buildView(QStringList{recordLine});
    m_c.Total_P->setText(
        QString::number(numericValue(m_c.Total_P->text()) + numericValue(added.totalPoints), 'g', 15));
    if (numericValue(added.bestKmW) > numericValue(m_c.KmW_Max->text()))
        m_c.KmW_Max->setText(added.bestKmW);
    m_shownLog = after;
    selectLastLine();
    return result;
}

void Main::showCallsign(const QString &shown)
{
    m_c.I_Station->setText(shown);
    m_c.I_Station_P->setText(shown + QStringLiteral("/P"));
    // Each callsign has its own rig settings.
    m_rig->follow();
}

void Main::selectStoredBandAndMode()
{
    m_c.Bande_A->setCurrentIndex(storedSettingNumber(callsignSetting(keys::BandeUtilisee, QStringLiteral("0"))));
    m_c.Mode_A->setCurrentIndex(storedSettingNumber(callsignSetting(keys::ModeUtilise, QStringLiteral("0"))));
}

QString Main::callsignSetting(const QString &key, const QString &defaultValue) const
{
    return m_platform.settings.read(keys::callsignSection(m_state.StationCallsign), key, defaultValue);
}

bool Main::callsignFlag(const QString &key, bool defaultValue) const
{
    const QString stored = callsignSetting(key, defaultValue ? QStringLiteral("True") : QStringLiteral("False"));
    return stored.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

void Main::writeCallsignSetting(const QString &key, const QString &value)
{
    m_platform.settings.write(keys::callsignSection(m_state.StationCallsign), key, value);
}

void Main::openStationDialog(bool modal)
{
    if (m_station && m_station->isVisible()) {
        m_station->raise();
        m_station->activateWindow();
        return;
    }
    m_station = new Station(*this);
    m_station->setAttribute(Qt::WA_DeleteOnClose);
    if (modal) {
        m_station->exec();
    } else {
        m_station->show();
        m_station->activateWindow();
    }
}

void Main::tickClock()
{
    m_c.Label37->setEnabled(true);
    m_c.Label37->setText(UtcTimeText(m_platform.clock).left(5) + QStringLiteral(" Utc"));
    m_c.Label34->setText(LocalTimeText(m_platform.clock).left(5) + QStringLiteral(" Loc"));
    m_c.Label33->setText(UtcDateText(m_platform.clock));
}

void Main::endProgram(int exitCode)
{
    if (m_ended)
        return;
    m_ended = true;
    m_exitCode = exitCode;
    m_c.Timer1->stop();
    if (m_station)
        m_station->hide();
    hide();
    m_endProgram(exitCode);
}

} // namespace pendrel::ui
