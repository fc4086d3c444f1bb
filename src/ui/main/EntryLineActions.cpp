// The buttons of the entry line: validate, clear, edit, delete and insert.
#include "core/entry/LogLineActions.h"
#include "core/storage/FirstNameDirectory.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/SettingsKeys.h"
#include "ui/main/EntryLine.h"
#include "ui/main/FieldColours.h"
#include "ui/main/Main.h"
#include "ui/main/WorkedBeforeLine.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>

namespace pendrel::ui {

void EntryLine::validate()
{
    Dialogs &dialogs = m_main.platform().dialogs;
    const ValidationPlan plan = planValidation(gather());
    if (!plan.verdict.accepted) {
        // A field changed after its Enter: back to it, the line as typed. A
        // station field only gets the focus, as after its own Enter rule: the
        // current colour belongs to the entry line.
        dialogs.message(plan.verdict.message);
        const EntryField back = plan.verdict.focus;
        if (back == EntryField::Pwr_F || back == EntryField::Pwr_P || back == EntryField::L_Station_P)
            focus(back);
        else
            open(back);
        return;
    }
    if (!plan.powerQuestion.isEmpty() && !dialogs.ask(plan.powerQuestion)) {
        focus(m_main.stationKind() == StationKind::Fixed ? EntryField::Pwr_F : EntryField::Pwr_P);
        return;
    }
    if (dialogs.ask(plan.question)) {
        setText(EntryField::Prenom_A, plan.prenom);
        // The QSO first: when its log refuses it, no file has changed and the
        // line stays as typed, ready to be validated again.
        const StoreResult stored = store(plan);
        if (!stored.ok) {
            focus(EntryField::Valide_A);
            return;
        }
        // The directory only offers names again: its failure is told, the QSO is stored.
        const StoreResult named =
            FirstNameDirectory(m_main.platform().dataFolder, m_main.fileWriter()).SaveFirstName(plan.firstNameLine);
        if (!named.ok)
            dialogs.message(named.message);
        if (plan.alarm.fires) {
            m_c.Flag_Kmw->setVisible(true);
            dialogs.message(plan.alarm.text);
            m_main.writeCallsignSetting(plan.alarm.settingKey, QStringLiteral("True"));
        }
        if (plan.outingQsoCount)
            showOutingCount(*plan.outingQsoCount);
        if (plan.outingBonusEarned)
            storeOutingBonusEarned(*plan.outingBonusEarned);
    }
    // Stored or not, a fresh new entry.
    m_halfTyped = false;
    m_main.workedBefore().clear();
    m_main.selectLastLine();
    endModes();
    paintField(m_c.Valide_A, FieldState::Neutral);
    m_c.Valide_A->setEnabled(false);
    lock(validatedEntryTexts());
    open(EntryField::Ind_A);
    m_main.selectStoredBandAndMode();
    m_main.updateNextQsoLine();
}

StoreResult EntryLine::store(const ValidationPlan &plan)
{
    const LogStore &logs = m_main.logStore();
    const QString &callsign = m_main.state().StationCallsign;
    const StationKind kind = m_main.stationKind();
    if (plan.store == StoreAction::Append)
        return m_main.appendQso(plan.recordLine);
    const StoreResult result = plan.store == StoreAction::Replace
                                   ? logs.ReplaceQso(callsign, kind, plan.recordLine, plan.oldRecordLine,
                                                     LogStore::listLineNumber(m_main.state().EditedLogLine))
                                   : logs.InsertQsoByDate(callsign, kind, plan.recordLine);
    m_main.applyStoreResult(result);
    return result;
}

void EntryLine::clear()
{
    m_halfTyped = false;
    m_main.workedBefore().clear();
    lock(clearedEntryTexts());
    open(EntryField::Ind_A);
    endModes();
    m_main.selectLastLine();
    m_main.updateNextQsoLine();
}

// Before acting on the selected line: when the log changed elsewhere, the
// list shows the file again and the operator chooses again.
bool EntryLine::logChangedElsewhere()
{
    if (!m_main.refreshIfChanged())
        return false;
    m_main.platform().dialogs.message(LogStore::changedElsewhereMessage());
    return true;
}

void EntryLine::edit()
{
    AppState &state = m_main.state();
    if (logChangedElsewhere())
        return;
    const EditLoad load = loadForEdit(state.SelectedLogLine, m_c.Liste_Orvil->currentIndex().row());
    if (!load.message.isEmpty()) {
        m_main.platform().dialogs.message(load.message);
        return;
    }
    paintField(m_c.Modi_Saisie, FieldState::Current);
    state.EditMode = true;
    state.EditedLogLine = state.SelectedLogLine;
    for (const FieldText &fill : load.fills)
        setText(fill.field, fill.text);
    m_c.Frame3->setTitle(load.frameCaption);
    open(EntryField::Ind_A);
}

void EntryLine::remove()
{
    AppState &state = m_main.state();
    if (logChangedElsewhere())
        return;
    const DeletePlan plan = planDelete(state.SelectedLogLine, m_main.stationKind(), m_c.L_Station_P->text(),
                                       state.OutingQsoCount, state.OutingBonusEarned);
    Dialogs &dialogs = m_main.platform().dialogs;
    if (!plan.message.isEmpty()) {
        dialogs.message(plan.message);
        return;
    }
    // Taken before the question: a change seen meanwhile reloads the list.
    const int number = LogStore::listLineNumber(state.SelectedLogLine);
    if (dialogs.ask(plan.question)) {
        const StoreResult deleted =
            m_main.logStore().DeleteQso(state.StationCallsign, m_main.stationKind(), plan.recordLine, number);
        m_main.applyStoreResult(deleted);
        if (deleted.ok && plan.outingQsoCount)
            showOutingCount(*plan.outingQsoCount);
        if (deleted.ok && plan.outingBonusEarned)
            storeOutingBonusEarned(*plan.outingBonusEarned);
        if (deleted.ok && !plan.bonusToMove.isEmpty())
            moveOutingBonus(plan.bonusToMove);
    }
    m_main.selectLastLine();
    m_main.updateNextQsoLine();
}

void EntryLine::insert()
{
    m_main.state().InsertMode = true;
    paintField(m_c.Ajout_QSO, FieldState::Current);
    focus(EntryField::Ind_A);
}

// Writes the texts, then locks their fields and the mode and band boxes.
void EntryLine::lock(const QList<FieldText> &texts)
{
    for (const FieldText &fill : texts) {
        setText(fill.field, fill.text);
        widget(fill.field)->setEnabled(false);
        paintField(widget(fill.field), FieldState::Done);
    }
    for (QWidget *box : {static_cast<QWidget *>(m_c.Mode_A), static_cast<QWidget *>(m_c.Bande_A)}) {
        box->setEnabled(false);
        paintField(box, FieldState::Done);
    }
}

void EntryLine::endModes()
{
    AppState &state = m_main.state();
    state.EditMode = false;
    state.InsertMode = false;
    state.EditedLogLine.clear();
    paintField(m_c.Modi_Saisie, FieldState::Neutral);
    paintField(m_c.Ajout_QSO, FieldState::Neutral);
}

void EntryLine::showOutingCount(qint16 count)
{
    m_main.state().OutingQsoCount = count; // shown with the next-QSO line
    m_main.writeCallsignSetting(settings::Bonus, QString::number(count));
}

void EntryLine::storeOutingBonusEarned(bool earned)
{
    m_main.state().OutingBonusEarned = earned;
    m_main.writeCallsignSetting(settings::BonusSortie, earned ? QStringLiteral("True") : QStringLiteral("False"));
}

// The outing keeps its bonus on another of its QSOs. When none can take it
// (or the log refuses the change, told by its message), the outing no longer
// has it and earns it again on its next QSO.
void EntryLine::moveOutingBonus(const QString &bonus)
{
    QStringList recordLines;
    for (const QString &listLine : m_main.logModel()->stringList())
        recordLines.append(recordLineFromListLine(listLine));
    const std::optional<BonusHeir> heir = bonusHeir(recordLines, m_c.L_Station_P->text(), bonus);
    StoreResult moved;
    if (heir) {
        moved = m_main.logStore().ReplaceQso(m_main.state().StationCallsign, m_main.stationKind(),
                                             heir->newRecordLine, heir->oldRecordLine, heir->qsoNumber);
        m_main.applyStoreResult(moved);
    }
    if (!heir || !moved.ok)
        storeOutingBonusEarned(false);
}

} // namespace pendrel::ui
