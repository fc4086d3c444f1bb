#pragma once
#include "core/storage/LogStore.h"

#include <QString>

namespace pendrel {

// Contest scoring of a new QSO.

// "4" for a portable own station or an other callsign ending in "/P", else "1".
QString QsoPoints(StationKind kind, const QString &callsign);
// Outing bonus of a portable QSO validated with `outingQsoCount`: the fifth
// QSO of an outing earns "15" from November to February (by the computer's
// month), "10" otherwise; any other QSO, and every fixed QSO, earns "".
QString OutingBonus(StationKind kind, int outingQsoCount, int currentMonth);
// Whole part of value(qrb) / value(power) as decimal text; empty when either
// text is empty or the power is 0 (no division by zero).
QString KmPerWatt(const QString &qrb, const QString &power);

} // namespace pendrel
