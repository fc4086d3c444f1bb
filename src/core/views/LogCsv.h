#pragma once
#include <QString>
#include <QStringList>

namespace pendrel {

// The log as CSV (RFC 4180) for spreadsheets and scripts: a header of the
// record's field names, then one row per log list line, values trimmed,
// lines ended by CR LF.
QString csvHeader();
QString csvRow(const QString &listLine);

} // namespace pendrel
