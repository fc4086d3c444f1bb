#pragma once
#include <QString>

namespace pendrel {

inline const QString ProgramRevisionText = QStringLiteral(" 1.1.0a");

// The version history, one line per revision, each ended by CR LF.
QString revisionHistoryText();

} // namespace pendrel
