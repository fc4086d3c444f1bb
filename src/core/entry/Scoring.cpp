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

int allowedPowerWatts(QStringView mode)
{
    static const QStringList phone = {QStringLiteral("SSB"), QStringLiteral("USB"), QStringLiteral("LSB"),
                                      QStringLiteral("AM"), QStringLiteral("FM")};
    return phone.contains(mode.trimmed().toString(), Qt::CaseInsensitive) ? 10 : 5;
}

QString powerRuleQuestion()
{
    return QStringLiteral("Le règlement limite la puissance à 5 W en CW et en DIGI : enregistrer ce QSO quand même ?");
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
