#pragma once
#include <QString>
#include <optional>

namespace pendrel {

// The fields of the entry line, in the order the operator walks them, then the
// three station fields. Each carries the Qt object name of its control.
enum class EntryField {
    Ind_A,
    Prenom_A,
    Loc_A,
    Dpt_A,
    Date_A,
    Heure_A,
    Mode_A,
    Bande_A,
    RST_A,
    RSTE_A,
    Rem_A,
    QRB_A,
    KmW_A,
    Pts_A,
    Boni_A,
    Valide_A,
    Pwr_F,
    L_Station_P,
    Pwr_P,
};

// Object name of the field's control ("Ind_A", "Pwr_F", ...).
QString objectName(EntryField field);
// The field named `name`, or nothing for a name that is not an entry or station field.
std::optional<EntryField> fieldFromObjectName(const QString &name);

// A text the window writes into a field.
struct FieldText {
    EntryField field;
    QString text;
    bool operator==(const FieldText &) const = default;
};

// A value the window stores under the callsign's section ("Setup " + callsign).
struct SettingWrite {
    QString key;
    QString value;
    bool operator==(const SettingWrite &) const = default;
};

} // namespace pendrel
