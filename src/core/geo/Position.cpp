#include "core/geo/Position.h"

#include "core/geo/Locator.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace pendrel {

namespace {
// Whole extended squares from the south-west corner of the grid: 1/120° of
// longitude, 1/240° of latitude. Counting in whole units keeps a place on a
// border out of the rounding of 0.1 and the like.
long long units(double degrees, double offset, int perDegree, int span)
{
    const long long n = (long long)std::floor((degrees + offset) * perDegree + 1e-7);
    return std::clamp<long long>(n, 0, (long long)span * perDegree - 1);
}
} // namespace

QString locatorAt(const Position &place, int characters)
{
    const long long lon = units(place.longitude, 180, 120, 360);
    const long long lat = units(place.latitude, 90, 240, 180);
    QString out;
    out += QChar(u'A' + int(lon / 2400));
    out += QChar(u'A' + int(lat / 2400));
    out += QChar(u'0' + int(lon % 2400 / 240));
    out += QChar(u'0' + int(lat % 2400 / 240));
    out += QChar(u'A' + int(lon % 240 / 10));
    out += QChar(u'A' + int(lat % 240 / 10));
    if (characters >= 8) {
        out += QChar(u'0' + int(lon % 10));
        out += QChar(u'0' + int(lat % 10));
    }
    return out;
}

std::optional<Position> locatorCentre(const QString &locator)
{
    const QString l = locator.trimmed().left(6).toUpper();
    int error = 0;
    CheckLocator(l, error);
    if (error)
        return std::nullopt;
    const auto at = [&l](int i, char16_t base) { return l[i].unicode() - base; };
    return Position{-90.0 + at(1, u'A') * 10 + at(3, u'0') + (at(5, u'A') + 0.5) / 24.0,
                    -180.0 + at(0, u'A') * 20 + at(2, u'0') * 2 + (at(4, u'A') + 0.5) / 12.0};
}

double distanceMetres(const Position &a, const Position &b)
{
    constexpr double EarthRadius = 6371008.8;
    constexpr double Radian = 3.14159265358979323846 / 180;
    const double dLat = (b.latitude - a.latitude) * Radian, dLon = (b.longitude - a.longitude) * Radian;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2)
        + std::cos(a.latitude * Radian) * std::cos(b.latitude * Radian) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * EarthRadius * std::asin(std::min(1.0, std::sqrt(h)));
}

QString positionText(const Position &place)
{
    return QString::number(place.latitude, 'f', 5) + u';' + QString::number(place.longitude, 'f', 5);
}

std::optional<Position> parsePosition(const QString &text)
{
    const QStringList parts = QString(text).replace(u',', u'.').split(u';');
    if (parts.size() != 2)
        return std::nullopt;
    bool okLat = false, okLon = false;
    const Position p{parts[0].trimmed().toDouble(&okLat), parts[1].trimmed().toDouble(&okLon)};
    if (!okLat || !okLon || std::abs(p.latitude) > 90 || std::abs(p.longitude) > 180)
        return std::nullopt;
    return p;
}

} // namespace pendrel
