// The switch between the fixed and the portable station, a new portable
// outing, and the dating mode.
#include "core/storage/SettingsKeys.h"
#include "ui/main/FieldColours.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace pendrel::ui {

namespace keys = settings;

void Main::enableKindLabels(StationKind kind)
{
    const bool fixed = kind == StationKind::Fixed;
    for (QLabel *label : {m_c.Label2, m_c.I_Station, m_c.Label7, m_c.Label19, m_c.Label21})
        label->setEnabled(fixed);
    for (QLabel *label : {m_c.Label13, m_c.I_Station_P, m_c.Label15, m_c.Label18, m_c.Label20})
        label->setEnabled(!fixed);
}

void Main::showBestKmWFlag()
{
    const QString &key = stationKind() == StationKind::Fixed ? keys::MeilleurKmWF : keys::MeilleurKmWP;
    m_c.Flag_Kmw->setVisible(callsignFlag(key));
}

void Main::fixedStationChosen()
{
    enableKindLabels(StationKind::Fixed);
    LoadLog();
    if (m_ended)
        return;
    writeCallsignSetting(keys::Activite, QStringLiteral("False"));
    showBestKmWFlag();
    selectLastLine();
    updateNextQsoLine();
}

void Main::portableStationChosen()
{
    // A new outing brings its own locator next, so it needs no hint.
    if (m_c.L_Station_P->text().isEmpty() && !m_startingOuting) {
        m_platform.dialogs.message(QStringLiteral("Dans la barre de menu clickez sur 'Nouvelle sortie'"));
        // The list still shows the fixed log: the fixed station stays the one
        // that edit, delete and validation act on. (At start-up the stored
        // portable kind stays, and the portable log is loaded next.)
        if (!m_choosingStoredKind) {
            const QSignalBlocker quiet(m_c.Option1);
            m_c.Option1->setChecked(true);
        }
        return;
    }
    enableKindLabels(StationKind::Portable);
    m_c.L_Station_P->setEnabled(true);
    m_c.Pwr_P->setEnabled(true);
    LoadLog();
    if (m_ended)
        return;
    updateNextQsoLine();
    showBestKmWFlag();
    writeCallsignSetting(keys::Activite, QStringLiteral("True"));
    selectLastLine();
}

void Main::newOuting()
{
    // Also when the portable button is already selected (after the start-up
    // hint): the outing reloads the portable log all the same.
    m_startingOuting = true;
    if (m_c.Option2->isChecked())
        portableStationChosen();
    else
        m_c.Option2->setChecked(true);
    m_startingOuting = false;
    if (m_ended)
        return;
    m_c.L_Station_P->clear();
    m_c.Pwr_P->clear();
    paintField(m_c.L_Station_P, FieldState::Current);
    m_c.L_Station_P->setEnabled(true);
    m_c.L_Station_P->setFocus();
}

void Main::setDating(bool automatic)
{
    m_c.Mnu_Date_Auto->setChecked(automatic);
    m_c.Mnu_Date_Man->setChecked(!automatic);
    writeCallsignSetting(keys::DateAuto, automatic ? QStringLiteral("Oui") : QStringLiteral("Non"));
}

} // namespace pendrel::ui
