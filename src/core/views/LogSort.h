#pragma once
#include <QString>
#include <QStringList>

namespace pendrel {

// The orders of the buttons Tri_Ind, Tri_Dpt, Tri_QRB and Tri_KmW. "Date" is
// the file order: the window reloads the log (LoadLog) instead of sorting.
enum class LogSortKey { Indicatif, Dpt, QRB, KmW };

// The lines of Liste_Orvil shown in another order: ascending, stable, and
// blind to case and accents, on the sort line of each QSO (QRB and km/W by
// their value first),
// renumbered 1..N in the new order. Every returned line has the 151 columns
// of a loaded line; nothing but the row number and the separators changes,
// so each line still maps back to its record in the log file.
QStringList sortLogLines(const QStringList &listLines, LogSortKey key);

// The row of `lines` that shows the same QSO as the list line `line`, whatever
// the order either was sorted in (row numbers, and the way a sort writes the
// QRB and km/W columns, are not compared); -1 when none does.
int rowOfSameQso(const QStringList &lines, QStringView line);

} // namespace pendrel
