#include "core/geo/Qrb.h"

#include "core/storage/NumericValue.h"

#include <cmath>

namespace pendrel {
namespace {

// Letter index 0..25 of either case; -1 outside A-Z / a-z.
int letterIndex(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'a' && c <= u'z')
        return c - u'a';
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    return -1;
}

int digitValue(QChar ch)
{
    const char16_t c = ch.unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

struct Position {
    double longitude;
    double latitude;
};

// Centre of the locator's subsquare, in radians; nothing for a character out of its domain.
std::optional<Position> subsquareCentre(const QString &loc)
{
    if (loc.size() < 6)
        return std::nullopt;
    const int lonField = letterIndex(loc[0]), latField = letterIndex(loc[1]);
    const int lonSquare = digitValue(loc[2]), latSquare = digitValue(loc[3]);
    const int lonSub = letterIndex(loc[4]), latSub = letterIndex(loc[5]);
    if (lonField < 0 || latField < 0 || lonSquare < 0 || latSquare < 0 || lonSub < 0 || latSub < 0)
        return std::nullopt;
    const int lonDegrees = lonField * 20 - 180 + lonSquare * 2;
    const int latDegrees = latField * 10 - 90 + latSquare;
    return Position{(lonSub / 12.0 + 1.0 / 24 + lonDegrees) * (Pi / 180),
                    (latSub / 24.0 + 1.0 / 48 + latDegrees) * (Pi / 180)};
}

double arcCos(double x)
{
    // At x >= 1 the two centres coincide (or rounding put x just above 1).
    if (x >= 1)
        return 0;
    if (x <= -1)
        return Pi;
    return -std::atan(x / std::sqrt(1 - x * x)) + HalfPi;
}

} // namespace

void ComputeQrb(const QString &own, QString &distant, std::optional<double> &qrb)
{
    distant = distant.trimmed().left(6);
    if (distant.size() < 6)
        return;
    const auto a = subsquareCentre(own);
    const auto b = subsquareCentre(distant);
    if (!a || !b)
        return;
    const double delta = a->longitude - b->longitude;
    const double x = std::cos(delta) * std::cos(a->latitude) * std::cos(b->latitude)
                     + std::sin(b->latitude) * std::sin(a->latitude);
    const double distance = EarthCircumferenceKm * arcCos(x) / (Pi + Pi);
    qrb = std::floor(distance + 0.5);
}

QString QrbText(const QString &own, const QString &distant)
{
    const std::optional<double> qrb = QrbKm(own, distant);
    return qrb ? wholeNumberText(*qrb) : QString();
}

std::optional<double> QrbKm(const QString &own, const QString &distant)
{
    if (own == distant)
        return 0.0;
    QString d = distant;
    std::optional<double> qrb;
    ComputeQrb(own, d, qrb);
    return qrb;
}

} // namespace pendrel
