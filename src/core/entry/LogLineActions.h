#pragma once
#include "core/entry/EntryField.h"
#include "core/storage/LogStore.h"

#include <QList>
#include <QString>
#include <optional>

namespace pendrel {

// Caption of Frame3 when no QSO is being edited: for the fixed station
// "QSO N° 13 depuis la station fixe en JN18GU", the number being the selected
// list index + 2 (with the last line selected, the next QSO's number; 1 for
// an empty log); for the portable station "QSO N° 3 depuis la station
// portable en JN03TJ" with the outing count.
QString nextQsoLine(StationKind kind, int selectedIndex, qint16 outingQsoCount, const QString &lStation,
                    const QString &lStationP);

// Texts written by "Effacer saisie en cours": the line is emptied, the reports
// read 59 again; Mode_A, Bande_A and Boni_A keep their texts.
QList<FieldText> clearedEntryTexts();
// Texts written when a validation ends (stored or not): as the clear, and
// Boni_A emptied too.
QList<FieldText> validatedEntryTexts();

// "Modifier un QS0": the entry line filled from the selected log list line.
struct EditLoad {
    QString message;      // not empty: no line is selected; show it (OK), change nothing
    QList<FieldText> fills; // Ind_A to Boni_A, by the list columns
    QString frameCaption; // "Edition du QSO N° 7"
};
// Date_A and Heure_A keep their eight and five characters as they stand;
// every other field is read with its blanks trimmed.
EditLoad loadForEdit(const QString &selectedLogLine, int selectedIndex);

// "Supprimer un QSO".
struct DeletePlan {
    QString message;    // not empty: no line is selected; show it (OK), change nothing
    QString question;   // "Voulez vous Supprimer ce QSO ?" (Yes/No)
    QString recordLine; // the QSO's record line, rebuilt at full width for DeleteQso
    // On Yes, once DeleteQso succeeded: the new OutingQsoCount, to show and to
    // store as "Bonus". Set when the deleted QSO is a portable one of the
    // current outing (its own locator is L_Station_P): the count then matches
    // the outing's QSOs again, also after a restart.
    std::optional<qint16> outingQsoCount;
    // The deleted QSO carried the bonus of the current outing:
    // - the outing still has five QSOs or more: bonusToMove is that bonus
    //   ("10", "15"), to give to another QSO of the outing (bonusHeir);
    // - fewer: outingBonusEarned is false, to store as "Bonus Sortie", and the
    //   outing earns its bonus again on its fifth QSO.
    // A delete never gives the outing a second bonus: without the bonus QSO the
    // counter falls back, but the outing still counts as having its bonus.
    QString bonusToMove;
    std::optional<bool> outingBonusEarned;
};
DeletePlan planDelete(const QString &selectedLogLine, StationKind kind, const QString &lStationP,
                      qint16 outingQsoCount, bool outingBonusEarned);

// The QSO that takes over the outing's bonus after its bonus QSO was deleted:
// the last record line of `recordLines` logged at the outing's locator
// `lStationP` with no bonus. Returns {old line, the same line carrying
// `bonus`}, or nothing when the log has no such line.
struct BonusHeir {
    QString oldRecordLine;
    QString newRecordLine;
};
std::optional<BonusHeir> bonusHeir(const QStringList &recordLines, const QString &lStationP, const QString &bonus);

} // namespace pendrel
