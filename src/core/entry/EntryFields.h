#pragma once
#include "core/entry/EntryField.h"
#include "core/storage/LogStore.h"

#include <QString>

namespace pendrel {

// Everything the entry rules read, gathered by the main window from its
// controls and state at the moment a key is pressed or a button clicked.
struct EntryFields {
    // Texts of the entry line, as shown.
    QString Ind_A, Prenom_A, Loc_A, Dpt_A, Date_A, Heure_A, Mode_A, Bande_A;
    QString RST_A = QStringLiteral("59");
    QString RSTE_A = QStringLiteral("59");
    QString Rem_A, QRB_A, KmW_A, Pts_A, Boni_A;

    // Own station: the selected kind, the fixed locator (caption of L_Station)
    // and the texts of the station fields.
    StationKind kind = StationKind::Fixed;
    QString L_Station, Pwr_F, L_Station_P, Pwr_P;

    QString KmW_Max; // best km/W of the loaded log, as shown

    bool EditMode = false;
    bool InsertMode = false;
    bool autoDating = true; // "Date Auto" is "Oui"
    // Captions of the clock labels: Label33 (UTC date) and Label37 ("14:32 Utc").
    QString clockDate, clockTime;

    // The log list line loaded by the edit action (the line selected when
    // "Modifier un QS0" was pressed). The replacement uses this line, not
    // whatever line was clicked since, so looking at another QSO while
    // editing cannot overwrite it.
    QString EditedLogLine;
    qint16 OutingQsoCount = 1;
    bool OutingBonusEarned = false; // the current outing has its bonus already
    int currentMonth = 1; // month of the computer's local date, 1-12

    // Locator and power of the selected station kind.
    const QString &ownLocator() const { return kind == StationKind::Fixed ? L_Station : L_Station_P; }
    const QString &power() const { return kind == StationKind::Fixed ? Pwr_F : Pwr_P; }
    // Text of a field of the entry line or of a station field (empty for Valide_A).
    QString text(EntryField field) const;
};

} // namespace pendrel
