#include "core/entry/Scoring.h"

#include "core/storage/NumericValue.h"

#include <cmath>

namespace pendrel {

QString QsoPoints(StationKind kind, const QString &callsign)
{
    if (kind == StationKind::Portable || callsign.endsWith(QStringLiteral("/P")))
        return QStringLiteral("4");
    return QStringLiteral("1");
}

QString OutingBonus(StationKind kind, int outingQsoCount, int currentMonth)
{
    return OutingBonus(kind, outingQsoCount, currentMonth, outingQsoCount > 5);
}

QString OutingBonus(StationKind kind, int outingQsoCount, int currentMonth, bool outingBonusEarned)
{
    if (kind != StationKind::Portable || outingBonusEarned || outingQsoCount < 5)
        return {};
    const bool winter = currentMonth == 11 || currentMonth == 12 || currentMonth == 1 || currentMonth == 2;
    return winter ? QStringLiteral("15") : QStringLiteral("10");
}

QString KmPerWatt(const QString &qrb, const QString &power)
{
    if (qrb.isEmpty() || power.isEmpty())
        return {};
    const double watts = numericValue(power);
    if (watts <= 0)
        return {};
    return QString::number(std::floor(numericValue(qrb) / watts), 'f', 0);
}

} // namespace pendrel
