#include "core/rig/RigReading.h"

#include "core/adif/AdifBands.h"
#include "core/storage/Bands.h"

#include <QStringList>

namespace pendrel::rig {

QString entryBand(qint64 hz)
{
    const QString band = adif::bandAtMHz(double(hz) / 1e6);
    return BandList.contains(band) ? band : QString();
}

QString entryMode(QStringView rigMode)
{
    const QString mode = rigMode.trimmed().toString().toUpper();
    if (mode == u"CW" || mode == u"CWR")
        return QStringLiteral("CW");
    if (mode == u"USB" || mode == u"LSB")
        return QStringLiteral("SSB");
    static const QStringList data = {QStringLiteral("RTTY"), QStringLiteral("RTTYR"), QStringLiteral("PKTUSB"),
                                     QStringLiteral("PKTLSB"), QStringLiteral("PKTFM"), QStringLiteral("PKTAM"),
                                     QStringLiteral("FSK"), QStringLiteral("PSK"), QStringLiteral("PSKR")};
    return data.contains(mode) ? QStringLiteral("DIG") : QString();
}

int wholeWatts(qint64 milliwatts)
{
    return milliwatts <= 0 ? 0 : int((milliwatts + 999) / 1000);
}

QString stateLine(qint64 hz, QStringView rigMode, qint64 milliwatts)
{
    const QString band = entryBand(hz).isEmpty() ? QStringLiteral(" hors bande") : QString();
    const QString mode = entryMode(rigMode);
    const QString power = milliwatts < 0 ? QString() : QStringLiteral(" %1 W").arg(wholeWatts(milliwatts));
    return QStringLiteral("Poste : %1 MHz%2 %3%4")
        .arg(QString::number(double(hz) / 1e6, 'f', 3), band,
             mode.isEmpty() ? QStringLiteral("mode inconnu (%1)").arg(rigMode.trimmed()) : mode, power);
}

} // namespace pendrel::rig
