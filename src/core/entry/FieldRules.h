#pragma once
#include "core/entry/EntryField.h"
#include "core/entry/EntryFields.h"

#include <QString>

namespace pendrel {

// Verdict of the Enter rule of one field.
struct FieldVerdict {
    bool accepted = true;
    QString message; // French message to show (OK) when refused
    EntryField focus = EntryField::Ind_A; // field that keeps or receives the focus after the message

    static FieldVerdict accept(EntryField field) { return {true, {}, field}; }
    static FieldVerdict refuse(EntryField field, const QString &message) { return {false, message, field}; }
};

// The tests made when Enter is pressed in `field` (an entry field or a station
// field), in their order; the first that fails gives the verdict. A refused
// field keeps its text and the focus, except Ind_A, which sends the operator
// to the missing or wrong station field (Pwr_F, Pwr_P or L_Station_P) first.
//
// Beyond the classic length and value tests, no value may leave its column of
// the record line or the file's code page:
// - Mode_A: more than 3 characters is refused with "3 caracteres maxi pour le
//   Mode" (the column holds 3; the list modes are SSB, CW, DIG);
// - Date_A, Heure_A: a text of another length than JJ/MM/AA or HH:MM gets the
//   format message (CheckDateText and CheckTimeText refuse it);
// - Pwr_F, Pwr_P: more than 2 characters (010) gets "10 W maxi pour la
//   puissance", a pasted non-digit "Que des chiffres pour la puissance"; Ind_A
//   applies the same to the power it reads ("Attention 10 Watts maximum");
// - QRB_A: digits only ("Que des chiffres pour la distance"), since the
//   distance is read as a number by km/W, sorts and totals;
// - RST_A, RSTE_A: a first character that is not a digit from 0 to 5 gets
//   "R (de RST)doit etre compris entre 0 et 5";
// - every field: a character windows-1252 cannot hold is refused with
//   "Caractere non admis dans <the field> : <the character>", after the
//   field's own tests.
FieldVerdict checkField(EntryField field, const EntryFields &fields);

} // namespace pendrel
