#pragma once
#include <QString>

namespace pendrel {

// The program-wide values, owned by the main window and handed to whoever needs them.
struct AppState {
    QString StationCallsign = QStringLiteral("FXXXX");
    bool FirstInstall = false;
    QString SelectedLogLine;
    // The log list line loaded by "Modifier un QS0": the QSO the validation replaces.
    QString EditedLogLine;
    bool EditMode = false;
    bool InsertMode = false;
    qint16 OutingQsoCount = 1;
    QString OwnLocator;
    QString DistantLocator;
    QString ProgramRevision = QStringLiteral(" 1.1.0a");
    QString RevisionHistory;
};

} // namespace pendrel
