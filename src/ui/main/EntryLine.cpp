// The keys of the entry line and the Enter rule of each field.
#include "ui/main/EntryLine.h"

#include "core/entry/KeyFilter.h"
#include "core/storage/FirstNameDirectory.h"
#include "core/storage/SettingsKeys.h"
#include "ui/main/FieldColours.h"
#include "ui/main/Main.h"
#include "ui/main/WorkedBeforeLine.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace pendrel::ui {
namespace {

// The fields whose texts the rules read, with their place in EntryFields.
const std::pair<EntryField, QString EntryFields::*> kTexts[] = {
    {EntryField::Ind_A, &EntryFields::Ind_A},     {EntryField::Prenom_A, &EntryFields::Prenom_A},
    {EntryField::Loc_A, &EntryFields::Loc_A},     {EntryField::Dpt_A, &EntryFields::Dpt_A},
    {EntryField::Date_A, &EntryFields::Date_A},   {EntryField::Heure_A, &EntryFields::Heure_A},
    {EntryField::Mode_A, &EntryFields::Mode_A},   {EntryField::Bande_A, &EntryFields::Bande_A},
    {EntryField::RST_A, &EntryFields::RST_A},     {EntryField::RSTE_A, &EntryFields::RSTE_A},
    {EntryField::Rem_A, &EntryFields::Rem_A},     {EntryField::QRB_A, &EntryFields::QRB_A},
    {EntryField::KmW_A, &EntryFields::KmW_A},     {EntryField::Pts_A, &EntryFields::Pts_A},
    {EntryField::Boni_A, &EntryFields::Boni_A},   {EntryField::Pwr_F, &EntryFields::Pwr_F},
    {EntryField::L_Station_P, &EntryFields::L_Station_P}, {EntryField::Pwr_P, &EntryFields::Pwr_P},
};

// The code a key handler of the line sees: 13 for Enter (both keys), 8 for
// Backspace, the character typed; 0 for keys that type nothing (arrows,
// Delete, Tab, shortcuts), which reach the field untouched.
int keyCode(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return KeyEnter;
    if (key.key() == Qt::Key_Backspace)
        return KeyBackspace;
    // Shortcuts (Ctrl+V, Ctrl+A) type nothing; AltGr (Ctrl+Alt) still types.
    if (key.modifiers().testFlag(Qt::ControlModifier) && !key.modifiers().testFlag(Qt::AltModifier))
        return 0;
    const QString text = key.text();
    if (text.isEmpty() || text.at(0) < u' ' || text.at(0) == u'\x7f')
        return 0;
    return text.at(0).unicode();
}

bool isPower(EntryField field)
{
    return field == EntryField::Pwr_F || field == EntryField::Pwr_P;
}

QLineEdit *editOf(QWidget *widget)
{
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return box->lineEdit();
    return qobject_cast<QLineEdit *>(widget);
}

} // namespace

EntryLine::EntryLine(Main &main) : m_main(main), m_c(main.controls())
{
    for (const auto &[field, member] : kTexts) {
        if (field == EntryField::KmW_A) // computed, never typed in
            continue;
        QWidget *control = widget(field);
        control->installEventFilter(this);
        // Text that arrives without keys (paste, drop) follows the case rule too.
        if (QLineEdit *edit = editOf(control); edit && !isPower(field))
            connect(edit, &QLineEdit::textEdited, this, [this, field = field, edit](const QString &typed) {
                m_halfTyped = m_halfTyped || field != EntryField::L_Station_P;
                upperCasePasted(field, edit, typed);
            });
    }
    // Enter on a focused button presses it, as the operator expects.
    for (QPushButton *button : {m_c.Valide_A, m_c.Efface_A, m_c.Modi_Saisie, m_c.Annule_Saisie, m_c.Ajout_QSO})
        button->installEventFilter(this);
    connect(m_c.Valide_A, &QPushButton::clicked, this, &EntryLine::validate);
    connect(m_c.Efface_A, &QPushButton::clicked, this, &EntryLine::clear);
    connect(m_c.Modi_Saisie, &QPushButton::clicked, this, &EntryLine::edit);
    connect(m_c.Annule_Saisie, &QPushButton::clicked, this, &EntryLine::remove);
    connect(m_c.Ajout_QSO, &QPushButton::clicked, this, &EntryLine::insert);
}

QWidget *EntryLine::widget(EntryField field) const
{
    switch (field) {
    case EntryField::Ind_A: return m_c.Ind_A;
    case EntryField::Prenom_A: return m_c.Prenom_A;
    case EntryField::Loc_A: return m_c.Loc_A;
    case EntryField::Dpt_A: return m_c.Dpt_A;
    case EntryField::Date_A: return m_c.Date_A;
    case EntryField::Heure_A: return m_c.Heure_A;
    case EntryField::Mode_A: return m_c.Mode_A;
    case EntryField::Bande_A: return m_c.Bande_A;
    case EntryField::RST_A: return m_c.RST_A;
    case EntryField::RSTE_A: return m_c.RSTE_A;
    case EntryField::Rem_A: return m_c.Rem_A;
    case EntryField::QRB_A: return m_c.QRB_A;
    case EntryField::KmW_A: return m_c.KmW_A;
    case EntryField::Pts_A: return m_c.Pts_A;
    case EntryField::Boni_A: return m_c.Boni_A;
    case EntryField::Valide_A: return m_c.Valide_A;
    case EntryField::Pwr_F: return m_c.Pwr_F;
    case EntryField::L_Station_P: return m_c.L_Station_P;
    case EntryField::Pwr_P: return m_c.Pwr_P;
    }
    return m_c.Ind_A;
}

QString EntryLine::text(EntryField field) const
{
    QWidget *control = widget(field);
    if (auto *box = qobject_cast<QComboBox *>(control))
        return box->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    return {};
}

void EntryLine::setText(EntryField field, const QString &text)
{
    QWidget *control = widget(field);
    if (auto *box = qobject_cast<QComboBox *>(control)) {
        const int item = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (item >= 0)
            box->setCurrentIndex(item);
        else
            box->setEditText(text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
    }
}

void EntryLine::open(EntryField field)
{
    paintField(widget(field), FieldState::Current);
    focus(field);
}

// The field the operator is sent to takes typing, even a station field that
// is still locked (the portable locator before "Nouvelle sortie"). Its text is
// selected: typing replaces it, Enter alone keeps it.
void EntryLine::focus(EntryField field)
{
    QWidget *control = widget(field);
    control->setEnabled(true);
    control->setFocus();
    if (QLineEdit *edit = editOf(control))
        edit->selectAll();
    for (QWidget *up = control->parentWidget(); up; up = up->parentWidget())
        if (auto *scroller = qobject_cast<QScrollArea *>(up)) {
            // The whole field, not only its cursor as ensureWidgetVisible would.
            const QPoint centre = control->mapTo(scroller->widget(), control->rect().center());
            scroller->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 8, 0);
            break;
        }
}

// A list box completes what the operator types from its items, the added part
// selected: "c" gives CW, "14" gives 14 Mhz, and the next key types over it.
void EntryLine::completeFromList(QComboBox *box)
{
    QLineEdit *edit = box->lineEdit();
    const QString typed = edit->text();
    if (typed.isEmpty() || edit->hasSelectedText() || edit->cursorPosition() != typed.size())
        return;
    for (int i = 0; i < box->count(); ++i) {
        const QString item = box->itemText(i);
        if (item.startsWith(typed, Qt::CaseInsensitive)) {
            edit->setText(item);
            edit->setSelection(int(item.size()), int(typed.size() - item.size()));
            return;
        }
    }
}

bool EntryLine::firstRun() const
{
    return m_main.state().StationCallsign == settings::PlaceholderCallsign;
}

EntryFields EntryLine::gather() const
{
    EntryFields f;
    for (const auto &[field, member] : kTexts)
        f.*member = text(field);
    f.kind = m_main.stationKind();
    f.L_Station = m_c.L_Station->text();
    f.KmW_Max = m_c.KmW_Max->text();
    const AppState &state = m_main.state();
    f.EditMode = state.EditMode;
    f.InsertMode = state.InsertMode;
    f.EditedLogLine = state.EditedLogLine;
    f.OutingQsoCount = state.OutingQsoCount;
    f.OutingBonusEarned = state.OutingBonusEarned;
    f.autoDating = m_main.automaticDating();
    f.clockDate = m_c.Label33->text();
    f.clockTime = m_c.Label37->text();
    f.currentMonth = m_main.platform().clock.nowLocal().date().month();
    return f;
}

bool EntryLine::eventFilter(QObject *watched, QEvent *event)
{
    if (m_forwarding || event->type() != QEvent::KeyPress)
        return false;
    const auto &key = *static_cast<QKeyEvent *>(event);
    if (auto *button = qobject_cast<QPushButton *>(watched)) {
        if (keyCode(key) != KeyEnter)
            return false;
        button->click();
        return true;
    }
    const std::optional<EntryField> field = fieldFromObjectName(watched->objectName());
    return field && keyPressed(*field, watched, key);
}

// True when the key is used up here and must not reach the field.
bool EntryLine::keyPressed(EntryField field, QObject *target, const QKeyEvent &key)
{
    const int code = keyCode(key);
    if (code == 0)
        return false;
    const KeyVerdict verdict = filterKey(field, code, firstRun());
    if (!verdict.message.isEmpty()) {
        m_main.platform().dialogs.message(verdict.message);
        if (verdict.emptyField) {
            setText(field, QString());
            focus(field);
        }
    }
    if (verdict.runEnterRule) {
        enter(field);
        return true;
    }
    if (verdict.key == 0 || code == KeyEnter)
        return true;
    if (auto index = rememberedListIndex(field, text(field), m_main.state().EditMode))
        m_main.writeCallsignSetting(index->key, index->value);
    auto *box = qobject_cast<QComboBox *>(target);
    if (verdict.key != code || (box && code != KeyBackspace)) {
        forwardKey(target, key, verdict.key);
        if (box)
            completeFromList(box);
        return true;
    }
    return false;
}

// Sends the key on with the character the filter made of it.
void EntryLine::forwardKey(QObject *target, const QKeyEvent &key, int code)
{
    QKeyEvent changed(key.type(), key.key(), key.modifiers(), QString(QChar(char16_t(code))), key.isAutoRepeat(),
                      ushort(key.count()));
    m_forwarding = true;
    QCoreApplication::sendEvent(target, &changed);
    m_forwarding = false;
}

void EntryLine::upperCasePasted(EntryField field, QLineEdit *edit, const QString &typed)
{
    // During the first run the callsign field leaves every key as typed.
    if (field == EntryField::Ind_A && firstRun())
        return;
    const QString upper = upperCaseText(typed);
    if (upper == typed)
        return;
    const int cursor = edit->cursorPosition();
    edit->setText(upper);
    edit->setCursorPosition(cursor);
}

void EntryLine::enter(EntryField field)
{
    if (field == EntryField::Valide_A) {
        validate();
        return;
    }
    // A new QSO in a full log is refused as its entry starts, not once typed.
    if (field == EntryField::Ind_A && !m_main.state().EditMode && m_main.logIsFull() && !firstRun()) {
        m_main.platform().dialogs.message(m_main.logFullMessage());
        focus(field);
        return;
    }
    const EnterOutcome outcome = pressEnter(field, gather());
    if (!outcome.verdict.accepted) {
        m_main.platform().dialogs.message(outcome.verdict.message);
        focus(outcome.verdict.focus);
        return;
    }
    apply(field, outcome);
}

void EntryLine::apply(EntryField field, const EnterOutcome &outcome)
{
    tellWorkedBefore(field);
    for (const SettingWrite &setting : outcome.settings)
        m_main.writeCallsignSetting(setting.key, setting.value);
    if (outcome.lookupFirstName)
        lookupFirstName();
    for (const FieldText &fill : outcome.fills)
        setText(fill.field, fill.text);
    if (outcome.outingQsoCount) {
        // A new outing: the frame names its locator and its first QSO.
        m_main.state().OutingQsoCount = *outcome.outingQsoCount;
        m_main.state().OutingBonusEarned = false;
        m_main.updateNextQsoLine();
    }
    for (const QString &name : outcome.enableLabels)
        if (auto *label = m_main.findChild<QLabel *>(name))
            label->setEnabled(true);
    if (outcome.confirmedLook != FieldLook::Unchanged)
        paintField(widget(field), outcome.confirmedLook == FieldLook::Done ? FieldState::Done : FieldState::Neutral);
    if (outcome.openNext)
        open(outcome.next);
    else
        focus(outcome.next);
}

// The callsign left, then the band and mode chosen: what the log already holds.
void EntryLine::tellWorkedBefore(EntryField field)
{
    WorkedBeforeLine &line = m_main.workedBefore();
    if (field == EntryField::Ind_A) {
        line.showStation(text(EntryField::Ind_A));
    } else if (field == EntryField::Mode_A || field == EntryField::Bande_A) {
        const QString date = text(EntryField::Date_A).isEmpty() ? m_c.Label33->text() : text(EntryField::Date_A);
        line.checkSameDay(text(EntryField::Ind_A), date, text(EntryField::Bande_A), text(EntryField::Mode_A));
    }
}

void EntryLine::lookupFirstName()
{
    const FirstNameDirectory directory(m_main.platform().dataFolder, m_main.fileWriter());
    const FirstNameEntry entry = directory.LookupFirstName(text(EntryField::Ind_A));
    if (!entry.found)
        return;
    // An edited QSO keeps the département it was logged with.
    if (!m_main.state().EditMode) {
        m_c.Dpt_A->setEnabled(true);
        setText(EntryField::Dpt_A, entry.dpt);
    }
    m_c.Prenom_A->setEnabled(true);
    setText(EntryField::Prenom_A, entry.prenom);
}

} // namespace pendrel::ui
