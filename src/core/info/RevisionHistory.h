#pragma once
#include <QString>

namespace pendrel {

inline const QString ProgramRevisionText = QStringLiteral(" " PENDREL_VERSION);

// The version history, one line per revision, each ended by CR LF.
QString revisionHistoryText();

} // namespace pendrel
