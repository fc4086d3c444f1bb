#pragma once
#include <optional>
#include "core/storage/LogStore.h"

#include <QString>

namespace pendrel {

// Contest scoring of a new QSO.

// "4" for a portable own station or an other callsign ending in "/P", else "1".
QString QsoPoints(StationKind kind, const QString &callsign);
// Outing bonus of a portable QSO validated with `outingQsoCount`: an outing
// earns its bonus once, on its fifth QSO, or on the first one after it when
// the bonus was lost by a delete that left it fewer than five QSOs. "15" from
// November to February (by the computer's month), "10" otherwise; every other
// QSO, every QSO of an outing that has its bonus, and every fixed QSO earn "".
QString OutingBonus(StationKind kind, int outingQsoCount, int currentMonth, bool outingBonusEarned);
// The same for an outing that counts its QSOs only (an ADIF import): the bonus
// goes to its fifth QSO.
QString OutingBonus(StationKind kind, int outingQsoCount, int currentMonth);
// The power the rules allow in a mode, in watts: 10 in phone (SSB, USB, LSB,
// AM, FM), 5 in CW and in every digital mode (DIG, FT8, RTTY, PSK...), for
// fixed and portable stations alike.
int allowedPowerWatts(QStringView mode);
// The same for a mode in the log's code page (an imported one).
int allowedPowerWatts(QByteArrayView mode);
// Asked at validation of a QSO scored above the power its mode allows.
QString powerRuleQuestion();

// Whole part of value(qrb) / value(power) as decimal text; empty when either
// text is empty or the power is 0 (no division by zero).
QString KmPerWatt(const QString &qrb, const QString &power);
// The same from the two numbers: nothing when the power is not above 0.
std::optional<double> KmPerWattValue(double qrbKm, double watts);

} // namespace pendrel
