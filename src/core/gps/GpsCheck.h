#pragma once
#include "core/geo/Position.h"

#include <QString>

namespace pendrel::gps {

// What Pendrel tells from a GPS fix: its state line, the portable station's
// 500 m rule and the computer's clock.

// Seconds a fix stays good, counted from its arrival on the computer's
// monotonic clock (never from the GPS time, which may be a recording).
inline constexpr qint64 FreshFixMs = 30000;
// Difference between the computer's clock and the GPS beyond which the
// operator is warned.
inline constexpr qint64 ClockToleranceSeconds = 30;
// The rules want a portable station more than this far from its usual QRA.
inline constexpr double PortableMinimumMetres = 500;

// "GPS : IN88HK à ±8 m" (no accuracy when unknown: negative).
QString stateLine(const Position &place, double accuracyMetres);
inline const QString NoFixLine = QStringLiteral("GPS : pas de position");

// "3 min 12 s", "45 s", "1 h 2 min 3 s".
QString durationText(qint64 seconds);
// The warning when the computer's clock is `seconds` ahead of the GPS
// (negative: behind); empty within the tolerance.
QString clockWarning(qint64 seconds);
// The 500 m warning, or empty when the outing is far enough. `approximate`:
// measured from the centre of the fixed station's locator.
QString outingDistanceWarning(double metres, bool approximate);

} // namespace pendrel::gps
