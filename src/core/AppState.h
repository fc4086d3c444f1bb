#pragma once
#include "core/info/RevisionHistory.h"
#include "core/storage/SettingsKeys.h"

#include <QString>

namespace pendrel {

// The program-wide values, owned by the main window and handed to whoever needs them.
struct AppState {
    QString StationCallsign = settings::PlaceholderCallsign;
    bool FirstInstall = false;
    QString SelectedLogLine;
    // The log list line loaded by "Modifier un QS0": the QSO the validation replaces.
    QString EditedLogLine;
    bool EditMode = false;
    bool InsertMode = false;
    qint16 OutingQsoCount = 1;
    // The current outing has earned its bonus (stored as "Bonus Sortie").
    bool OutingBonusEarned = false;
    QString ProgramRevision = ProgramRevisionText;
    QString RevisionHistory;
};

} // namespace pendrel
