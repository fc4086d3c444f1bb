#pragma once
#include "core/entry/EntryField.h"
#include "core/entry/EntryFields.h"
#include "core/entry/FieldRules.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace pendrel {

// Colour a confirmed field takes.
enum class FieldLook {
    Unchanged, // Pwr_F keeps its colour
    Done,      // light yellow (255, 255, 192)
    Neutral,   // the button-face colour of a confirmed station field
};

// What the window does after Enter in a field: the verdict, then, when it is
// accepted, the texts filled on the way, the settings to store and the field
// that comes next.
struct EnterOutcome {
    FieldVerdict verdict; // refused: show verdict.message, focus verdict.focus, nothing else

    FieldLook confirmedLook = FieldLook::Done;
    EntryField next = EntryField::Ind_A; // receives the focus
    bool openNext = true;     // enable `next` and give it the current colour (false: focus only)
    QList<FieldText> fills;   // texts written into other fields, in this order
    QList<SettingWrite> settings; // under "Setup " + StationCallsign
    bool lookupFirstName = false; // Ind_A: run LookupFirstName(Ind_A) before opening Prenom_A
    std::optional<qint16> outingQsoCount; // new OutingQsoCount (a portable outing starts)
    QStringList enableLabels; // object names of labels to enable
};

// Enter in `field` (an entry field of the chain or a station field). The chain:
// Ind_A > Prenom_A > Loc_A > Dpt_A > Date_A > Heure_A > Mode_A > Bande_A >
// RST_A > RSTE_A > Rem_A > QRB_A > Valide_A, with these turns:
// - Dpt_A: with automatic dating, and neither editing nor inserting, Date_A and
//   Heure_A are filled from the clock labels and Mode_A opens; else Date_A opens;
// - Loc_A fills QRB_A (QrbText) and, when Loc_A is not empty, KmW_A;
// - QRB_A fills KmW_A (when QRB_A is not empty), Pts_A and, for the fifth QSO
//   of a portable outing, Boni_A; then Pts_A > Boni_A > Valide_A in edit mode,
//   else Valide_A directly;
// - Pwr_F stores "Pwr Fixe" and sends the focus back to Ind_A; L_Station_P
//   stores "Locator Portable", restarts the outing count at 1 and opens Pwr_P;
//   Pwr_P stores "Pwr Portable" and sends the focus to Ind_A.
// A power of 0 leaves KmW_A empty: the quotient has no value.
// KmW_A and Valide_A have no Enter rule: the outcome changes nothing.
EnterOutcome pressEnter(EntryField field, const EntryFields &fields);

} // namespace pendrel
