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

// Centre of the locator's subsquare, in radians; nothing for a character out of its domain.
std::optional<QrbFrom::Position> subsquareCentre(QStringView loc)
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
    return QrbFrom::Position{(lonSub / 12.0 + 1.0 / 24 + lonDegrees) * (Pi / 180),
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

// Great-circle distance in whole kilometres, the sine and cosine of the first
// latitude given (worked out once for many distances from one place).
double wholeKm(const QrbFrom::Position &a, double sinA, double cosA, const QrbFrom::Position &b)
{
    const double delta = a.longitude - b.longitude;
    const double x = std::cos(delta) * cosA * std::cos(b.latitude) + std::sin(b.latitude) * sinA;
    const double distance = EarthCircumferenceKm * arcCos(x) / (Pi + Pi);
    return std::floor(distance + 0.5);
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
    qrb = wholeKm(*a, std::sin(a->latitude), std::cos(a->latitude), *b);
}

QString QrbText(const QString &own, const QString &distant)
{
    const std::optional<double> qrb = QrbKm(own, distant);
    return qrb ? wholeNumberText(*qrb) : QString();
}

std::optional<double> QrbKm(const QString &own, const QString &distant)
{
    return QrbFrom(own).to(distant);
}

QrbFrom::QrbFrom(const QString &own) : m_own(own), m_centre(subsquareCentre(own))
{
    if (m_centre) {
        m_sin = std::sin(m_centre->latitude);
        m_cos = std::cos(m_centre->latitude);
    }
}

std::optional<double> QrbFrom::to(QStringView distant) const
{
    if (distant == m_own)
        return 0.0;
    distant = distant.trimmed().left(6);
    if (distant.size() < 6)
        return std::nullopt;
    const auto b = subsquareCentre(distant);
    if (!m_centre || !b)
        return std::nullopt;
    return wholeKm(*m_centre, m_sin, m_cos, *b);
}

} // namespace pendrel
