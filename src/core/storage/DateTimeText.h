#pragma once
#include "platform/Clock.h"

#include <QString>

namespace pendrel {

// Date text "JJ/MM/AA" and time text "HH:MM" of the log, and the clock read as text.
QString UtcDateText(const Clock &clock);   // DD/MM/YY, UTC
QString UtcTimeText(const Clock &clock);   // HH:MM:SS, UTC
QString LocalTimeText(const Clock &clock); // HH:MM:SS, local

// Position-by-position checks of a typed date or time: `error` is set to 0,
// then to 1 when a rule fails. A text of another length than the pattern
// fails too: the record line has room for exactly eight and five characters.
void CheckDateText(const QString &text, int &error);
void CheckTimeText(const QString &text, int &error);

} // namespace pendrel
