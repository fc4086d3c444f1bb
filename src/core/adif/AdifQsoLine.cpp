#include "core/adif/AdifQsoLine.h"

#include "core/adif/AdifBands.h"
#include "core/entry/Scoring.h"
#include "core/geo/Qrb.h"
#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"

#include <QDate>
#include <QTime>
#include <cmath>

namespace pendrel::adif {
namespace {

bool allDigits(QByteArrayView s)
{
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return !s.isEmpty();
}

int number(QByteArrayView s)
{
    int n = 0;
    for (char c : s)
        n = n * 10 + (c - '0');
    return n;
}

// The texts the operator is shown for a replaced value.
const char16_t *const kMessages[] = {
    u"Indicatif absent, remplacé par FXXXX",
    u"Date absente, remplacée par 01/01/2000",
    u"Heure absente, remplacée par 00:00",
    u"Bande absente, remplacée par 1.8 Mhz",
};

} // namespace

QString logDate(QByteArrayView qsoDate)
{
    const QByteArrayView d = qsoDate.trimmed();
    if (d.size() != 8 || !allDigits(d) || !QDate(number(d.first(4)), number(d.sliced(4, 2)), number(d.sliced(6, 2))).isValid())
        return {};
    return QString::fromLatin1(d.sliced(6, 2)) + u'/' + QString::fromLatin1(d.sliced(4, 2)) + u'/'
           + QString::fromLatin1(d.sliced(2, 2));
}

QString logTime(QByteArrayView timeOn)
{
    const QByteArrayView t = timeOn.trimmed();
    if (t.size() < 4 || !allDigits(t) || !QTime(number(t.first(2)), number(t.sliced(2, 2))).isValid())
        return {};
    return QString::fromLatin1(t.first(2)) + u':' + QString::fromLatin1(t.sliced(2, 2));
}

QsoLineBuilder::QsoLineBuilder(ImportStation station) : m_station(std::move(station))
{
    m_power = QString::number(static_cast<long long>(std::floor(numericValue(m_station.power))));
}

QString QsoLineBuilder::band(const Record &record) const
{
    // FREQ says more than BAND when both are given; BAND stands in for a FREQ that fits no band.
    if (record.hasValue("FREQ")) {
        const QString b = bandFromFrequency(record.text("FREQ"));
        if (!b.isEmpty())
            return b;
    }
    return bandFromName(record.text("BAND", true));
}

QString QsoLineBuilder::line(const Record &record)
{
    ++m_written;
    QsoRecord r;
    r.Indicatif = record.text("CALL", true).left(12);
    if (r.Indicatif.isEmpty()) {
        ++m_missing[Call];
        r.Indicatif = QStringLiteral("FXXXX");
    }
    r.Prenom = record.text("NAME", true).left(14);
    r.Loc = record.text("GRIDSQUARE", true).left(6);
    r.Date = logDate(record.raw("QSO_DATE"));
    if (r.Date.isEmpty()) {
        ++m_missing[Date];
        r.Date = QStringLiteral("01/01/00");
    }
    r.QTR = logTime(record.raw("TIME_ON"));
    if (r.QTR.isEmpty()) {
        ++m_missing[Time];
        r.QTR = QStringLiteral("00:00");
    }
    r.Mode = record.text("MODE", true);
    if (r.Mode.isEmpty())
        r.Mode = QStringLiteral("XXX");
    r.QRG = band(record);
    if (r.QRG.isEmpty()) {
        ++m_missing[Band];
        r.QRG = QStringLiteral("1.8 Mhz");
    }
    r.RstR = record.text("RST_RCVD", true).left(3);
    if (r.RstR.isEmpty())
        r.RstR = QStringLiteral("XX");
    r.RstE = record.text("RST_SENT", true).left(3);
    if (r.RstE.isEmpty())
        r.RstE = QStringLiteral("XX");
    r.QTH = record.text("QTH", true).left(20);
    r.QRB = QrbText(m_station.ownLocator, r.Loc);
    if (r.QRB.isEmpty())
        r.QRB = QStringLiteral("0");
    r.MyLoc = m_station.ownLocator;
    r.Pwr = m_power;
    r.KmW = KmPerWatt(r.QRB, m_power);
    r.Pts = QsoPoints(m_station.kind, r.Indicatif);
    r.Bonus = OutingBonus(m_station.kind, m_written, m_station.currentMonth);
    return r.recordLine();
}

QStringList QsoLineBuilder::messages() const
{
    QStringList out;
    for (int kind = 0; kind < MissingKinds; ++kind) {
        const int n = m_missing[kind];
        if (n == 0)
            continue;
        out.append(QString::fromUtf16(kMessages[kind])
                   + (n == 1 ? QStringLiteral(" (1 QSO concerné)") : QStringLiteral(" (%1 QSO concernés)").arg(n)));
    }
    return out;
}

} // namespace pendrel::adif
