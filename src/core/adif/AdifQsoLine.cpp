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

// "YYYYMMDD" -> "DD/MM/YY" in `out`; false unless eight digits of a real date.
bool toLogDate(QByteArrayView qsoDate, char16_t (&out)[8])
{
    const QByteArrayView d = qsoDate.trimmed();
    if (d.size() != 8 || !allDigits(d) || !QDate(number(d.first(4)), number(d.sliced(4, 2)), number(d.sliced(6, 2))).isValid())
        return false;
    const char picks[8] = {d[6], d[7], '/', d[4], d[5], '/', d[2], d[3]};
    std::copy_n(picks, 8, out);
    return true;
}

// "HHMM[SS]" -> "HH:MM" in `out`; false unless it starts with a real time.
bool toLogTime(QByteArrayView timeOn, char16_t (&out)[5])
{
    const QByteArrayView t = timeOn.trimmed();
    if (t.size() < 4 || !allDigits(t) || !QTime(number(t.first(2)), number(t.sliced(2, 2))).isValid())
        return false;
    const char picks[5] = {t[0], t[1], ':', t[2], t[3]};
    std::copy_n(picks, 5, out);
    return true;
}

// The texts the operator is shown for a replaced value.
const char16_t *const kMessages[] = {
    u"Indicatif absent, remplacé par FXXXX",
    u"Date absente, remplacée par 01/01/2000",
    u"Date invalide, remplacée par 01/01/2000",
    u"Heure absente, remplacée par 00:00",
    u"Heure invalide, remplacée par 00:00",
    u"Bande absente, remplacée par 1.8 Mhz",
};

} // namespace

QString logDate(QByteArrayView qsoDate)
{
    char16_t out[8];
    return toLogDate(qsoDate, out) ? QString::fromUtf16(out, 8) : QString();
}

QString logTime(QByteArrayView timeOn)
{
    char16_t out[5];
    return toLogTime(timeOn, out) ? QString::fromUtf16(out, 5) : QString();
}

QsoLineBuilder::QsoLineBuilder(ImportStation station) : m_station(std::move(station))
{
    // As a number without a conversion to an integer type, which a power of
    // hundreds of digits would overflow; the column keeps its first two digits.
    m_powerWatts = std::floor(numericValue(m_station.power));
    m_power = QString::number(m_powerWatts, 'f', 0);
}


QString QsoLineBuilder::band(const Record &record)
{
    // FREQ says more than BAND when both are given; BAND stands in for a FREQ that fits no band.
    if (record.hasValue("FREQ")) {
        record.text("FREQ", false, m_scratch);
        const QString b = bandFromFrequency(m_scratch);
        if (!b.isEmpty())
            return b;
    }
    record.text("BAND", true, m_scratch);
    return bandFromName(m_scratch);
}

QString QsoLineBuilder::bandNamed(const Record &record)
{
    record.text("BAND", true, m_scratch);
    if (!m_scratch.isEmpty())
        return m_scratch;
    record.text("FREQ", false, m_scratch);
    return m_scratch.isEmpty() ? QString() : QStringLiteral("FREQ ") + m_scratch;
}

QString duplicateKey(QStringView line)
{
    QString key;
    key.reserve(48);
    key.append(recordField(line, RecordColumn::Indicatif).trimmed());
    for (FieldColumns c : {RecordColumn::Date, RecordColumn::QTR, RecordColumn::QRG, RecordColumn::Mode})
        key.append(u'|').append(recordField(line, c).trimmed());
    return key;
}

// Each value goes straight into its column of a blank line.
QString QsoLineBuilder::line(const Record &record)
{
    ++m_written;
    const std::array<int, MissingKinds> missingBefore = m_missing;
    QString line(QsoRecord::RecordLineLength, u' ');
    auto put = [&line](FieldColumns column, QStringView value) { QsoRecord::writeField(line, column, value); };
    auto putText = [&](FieldColumns column, const char *name, QStringView replacement = {}) {
        record.text(name, true, m_scratch);
        put(column, m_scratch.isEmpty() ? replacement : QStringView(m_scratch));
    };

    record.text("CALL", true, m_call);
    if (m_call.isEmpty()) {
        ++m_missing[Call];
        m_call = QStringLiteral("FXXXX");
    }
    m_call.truncate(12);
    put(RecordColumn::Indicatif, m_call);
    putText(RecordColumn::Prenom, "NAME");
    record.text("GRIDSQUARE", true, m_locator);
    m_locator.truncate(6);
    put(RecordColumn::Loc, m_locator);

    // A value that is there but cannot be read is told apart from no value.
    const QByteArrayView qsoDate = record.raw("QSO_DATE");
    char16_t date[8];
    if (!toLogDate(qsoDate, date)) {
        ++m_missing[qsoDate.isEmpty() ? Date : BadDate];
        std::copy_n(u"01/01/00", 8, date);
    }
    put(RecordColumn::Date, QStringView(date, 8));
    const QByteArrayView timeOn = record.raw("TIME_ON");
    char16_t time[5];
    if (!toLogTime(timeOn, time)) {
        ++m_missing[timeOn.isEmpty() ? Time : BadTime];
        std::copy_n(u"00:00", 5, time);
    }
    put(RecordColumn::QTR, QStringView(time, 5));

    putText(RecordColumn::Mode, "MODE", u"XXX");
    // A fourth character of the mode (RTTY, JT65) takes the blank column before the band.
    if (m_scratch.size() > 3)
        line[RecordColumn::Mode.start + 3] = m_scratch[3];
    const bool lowPowerMode = !m_scratch.isEmpty() && allowedPowerWatts(m_scratch) == 5;
    // A record skipped leaves no trace in the counts of written QSOs.
    const auto skip = [&] {
        --m_written;
        m_missing = missingBefore;
        return QString();
    };
    QString qrg = band(record);
    if (qrg.isEmpty()) {
        // A band named but not one of the contest (60 m, 4 m): the QSO is not
        // the contest's, and 1.8 Mhz would score it on a band it was not on.
        if (const QString named = bandNamed(record); !named.isEmpty()) {
            ++m_outOfBand[named];
            return skip();
        }
        ++m_missing[Band];
        qrg = QStringLiteral("1.8 Mhz");
    }
    put(RecordColumn::QRG, qrg);
    if (!m_present.isEmpty() && m_present.contains(duplicateKey(line))) {
        ++m_skipped;
        return skip();
    }
    if (lowPowerMode)
        ++m_lowPowerModeQsos;
    putText(RecordColumn::RstR, "RST_RCVD", u"XX");
    putText(RecordColumn::RstE, "RST_SENT", u"XX");
    record.text("QTH", true, m_scratch);
    put(RecordColumn::QTH, QStringView(m_scratch).left(20));

    // No QRB for a locator of fewer than six characters: the column then reads 0.
    QString qrb = m_locator.size() < 6 ? QString() : QrbText(m_station.ownLocator, m_locator);
    if (qrb.isEmpty())
        qrb = QStringLiteral("0");
    put(RecordColumn::QRB, qrb);
    put(RecordColumn::MyLoc, m_station.ownLocator);
    put(RecordColumn::Pwr, m_power);
    put(RecordColumn::KmW, KmPerWatt(qrb, m_power));
    put(RecordColumn::Pts, QsoPoints(m_station.kind, m_call));
    put(RecordColumn::Bonus, OutingBonus(m_station.kind, m_written, m_station.currentMonth));
    return line;
}

QStringList QsoLineBuilder::messages() const
{
    QStringList out;
    static_assert(std::size(kMessages) == MissingKinds);
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
