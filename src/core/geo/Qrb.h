#pragma once
#include <QString>
#include <optional>

namespace pendrel {

// Constants of the distance computation, as the program has always used them.
inline constexpr double Pi = 3.141592654;
inline constexpr double EarthCircumferenceKm = 40076.59;
inline constexpr double HalfPi = Pi / 2;

// Great-circle distance in whole kilometres between the subsquare centres of
// two locators. `distant` is trimmed and cut to six characters in place.
// `qrb` is left untouched when the distant locator is shorter than six
// characters, and when either locator has a character outside its domain.
void ComputeQrb(const QString &own, QString &distant, std::optional<double> &qrb);

// The QRB as the entry line shows it: "0" for identical texts, the distance,
// or an empty text when there is no value.
QString QrbText(const QString &own, const QString &distant);
// The same as a number: 0 for identical texts, nothing when there is no value.
std::optional<double> QrbKm(const QString &own, const QString &distant);

// QrbKm from one own locator to many others (an import's QSOs), its
// subsquare's centre worked out once.
class QrbFrom {
public:
    struct Position {
        double longitude;
        double latitude;
    };
    explicit QrbFrom(const QString &own);
    std::optional<double> to(QStringView distant) const;

private:
    QString m_own;
    std::optional<Position> m_centre;
    double m_sin = 0, m_cos = 0; // of its latitude
};

} // namespace pendrel
