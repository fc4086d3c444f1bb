#pragma once
#include "core/entry/EntryChain.h"
#include "core/entry/EntryFields.h"
#include "core/entry/Validation.h"

#include <QList>
#include <QObject>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace pendrel::ui {

class Main;
struct MainControls;

// The entry line of the main window bound to the entry rules: it watches the
// keys of every entry and station field, asks the core what each key and each
// Enter does, and applies the verdict (message, focus, colours, texts,
// settings). It also carries out the five buttons of the line: validate,
// clear, edit, delete and insert. Main owns it; it keeps no state of its own
// beyond what Main's AppState holds.
class EntryLine : public QObject {
    Q_OBJECT
public:
    explicit EntryLine(Main &main);
    // True when the operator has typed into the entry line since the last
    // validation or clearing (what the program proposes does not count).
    bool halfTyped() const { return m_halfTyped; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Fields and their controls.
    QWidget *widget(EntryField field) const;
    QString text(EntryField field) const;
    void setText(EntryField field, const QString &text);
    void open(EntryField field);
    void focus(EntryField field);
    EntryFields gather() const;
    bool firstRun() const;

    // Keys and the Enter rules (EntryLine.cpp).
    bool keyPressed(EntryField field, QObject *target, const QKeyEvent &key);
    void forwardKey(QObject *target, const QKeyEvent &key, int code);
    void completeFromList(QComboBox *box);
    void upperCasePasted(EntryField field, QLineEdit *edit, const QString &typed);
    void enter(EntryField field);
    void apply(EntryField field, const EnterOutcome &outcome);
    void lookupFirstName();
    void tellWorkedBefore(EntryField field);

    // The buttons (EntryLineActions.cpp).
    void validate();
    // Stores the QSO as planned and shows the log, or reports the failure.
    StoreResult store(const ValidationPlan &plan);
    void clear();
    void edit();
    void remove();
    bool logChangedElsewhere();
    void insert();
    void lock(const QList<FieldText> &texts);
    void endModes();
    void showOutingCount(qint16 count);
    void storeOutingBonusEarned(bool earned);
    void moveOutingBonus(const QString &bonus);

    Main &m_main;
    MainControls &m_c;
    bool m_forwarding = false; // a key the filter changed is on its way to the field
    bool m_halfTyped = false;
};

} // namespace pendrel::ui
