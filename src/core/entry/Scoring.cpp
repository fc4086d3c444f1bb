#include "core/entry/Scoring.h"

#include "core/storage/NumericValue.h"

#include <algorithm>
#include <cmath>
#include <string_view>

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

namespace {
constexpr std::string_view kPhoneModes[] = {"SSB", "USB", "LSB", "AM", "FM"};
}

int allowedPowerWatts(QStringView mode)
{
    const QStringView m = mode.trimmed();
    for (const std::string_view phone : kPhoneModes)
        if (m.compare(QLatin1StringView(phone.data(), phone.size()), Qt::CaseInsensitive) == 0)
            return 10;
    return 5;
}

int allowedPowerWatts(QByteArrayView mode)
{
    const QByteArrayView m = mode.trimmed();
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    for (const std::string_view phone : kPhoneModes)
        if (std::equal(m.begin(), m.end(), phone.begin(), phone.end(), [&](char a, char b) { return upper(a) == b; }))
            return 10;
    return 5;
}

QString powerRuleQuestion()
{
    return QStringLiteral("Le règlement limite la puissance à 5 W en CW et en DIGI : enregistrer ce QSO quand même ?");
}

QString KmPerWatt(const QString &qrb, const QString &power)
{
    if (qrb.isEmpty() || power.isEmpty())
        return {};
    const std::optional<double> kmw = KmPerWattValue(numericValue(qrb), numericValue(power));
    return kmw ? wholeNumberText(*kmw) : QString();
}

std::optional<double> KmPerWattValue(double qrbKm, double watts)
{
    if (watts <= 0)
        return std::nullopt;
    return std::floor(qrbKm / watts);
}

} // namespace pendrel
