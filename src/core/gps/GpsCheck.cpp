#include "core/gps/GpsCheck.h"

#include <QStringList>
#include <cmath>

namespace pendrel::gps {

QString stateLine(const Position &place, double accuracyMetres)
{
    const QString accuracy =
        accuracyMetres < 0 ? QString() : QStringLiteral(" à ±%1 m").arg(qRound64(std::ceil(accuracyMetres)));
    return QStringLiteral("GPS : ") + locatorAt(place) + accuracy;
}

QString durationText(qint64 seconds)
{
    seconds = std::abs(seconds);
    QStringList parts;
    if (seconds >= 3600)
        parts << QStringLiteral("%1 h").arg(seconds / 3600);
    if (seconds >= 60)
        parts << QStringLiteral("%1 min").arg(seconds % 3600 / 60);
    if (seconds % 60 || parts.isEmpty())
        parts << QStringLiteral("%1 s").arg(seconds % 60);
    return parts.join(u' ');
}

QString clockWarning(qint64 seconds)
{
    if (std::abs(seconds) <= ClockToleranceSeconds)
        return {};
    return QStringLiteral("L'horloge de l'ordinateur %1 de %2 sur le GPS : les heures des QSO seraient fausses")
        .arg(seconds > 0 ? QStringLiteral("avance") : QStringLiteral("retarde"), durationText(seconds));
}

QString outingDistanceWarning(double metres, bool approximate)
{
    if (metres > PortableMinimumMetres)
        return {};
    return QStringLiteral("Vous êtes à %1%2 m de votre QRA%3 : le règlement demande plus de 500 m pour une "
                          "station portable")
        .arg(approximate ? QStringLiteral("environ ") : QString())
        .arg(qRound64(metres))
        .arg(approximate ? QStringLiteral(" (le centre de son locator)") : QString());
}

} // namespace pendrel::gps
