#include "core/adif/AdifQsoLine.h"

#include "core/adif/AdifBands.h"
#include "core/entry/Scoring.h"
#include "core/geo/Qrb.h"
#include "core/storage/Cp1252.h"
#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"

#include <QDate>
#include <QTime>
#include <charconv>
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
bool toLogDate(QByteArrayView qsoDate, char (&out)[8])
{
    const QByteArrayView d = qsoDate.trimmed();
    if (d.size() != 8 || !allDigits(d) || !QDate::isValid(number(d.first(4)), number(d.sliced(4, 2)), number(d.sliced(6, 2))))
        return false;
    const char picks[8] = {d[6], d[7], '/', d[4], d[5], '/', d[2], d[3]};
    std::copy_n(picks, 8, out);
    return true;
}

// "HHMM[SS]" -> "HH:MM" in `out`; false unless it starts with a real time.
bool toLogTime(QByteArrayView timeOn, char (&out)[5])
{
    const QByteArrayView t = timeOn.trimmed();
    if (t.size() < 4 || !allDigits(t) || !QTime::isValid(number(t.first(2)), number(t.sliced(2, 2)), 0))
        return false;
    const char picks[5] = {t[0], t[1], ':', t[2], t[3]};
    std::copy_n(picks, 5, out);
    return true;
}

// A record line being made: blanks, and each value put in its columns.
struct LineBytes {
    char bytes[QsoRecord::RecordLineLength + 2];
    LineBytes()
    {
        std::fill_n(bytes, QsoRecord::RecordLineLength, ' ');
        bytes[QsoRecord::RecordLineLength] = '\r';
        bytes[QsoRecord::RecordLineLength + 1] = '\n';
    }
    // Left-aligned, cut to the column's width.
    void put(FieldColumns column, QByteArrayView value)
    {
        std::copy_n(value.data(), std::min<qsizetype>(value.size(), column.width), bytes + column.start);
    }
    // A whole number as wholeNumberText writes it, without a string for the
    // usual ones (QRB, km/W).
    void putWhole(FieldColumns column, double whole)
    {
        if (std::signbit(whole) || whole >= 1e15 || whole != std::floor(whole))
            return put(column, wholeNumberText(whole));
        char digits[24];
        const char *end = std::to_chars(digits, digits + sizeof digits, qint64(whole)).ptr;
        put(column, QByteArrayView(digits, end - digits));
    }
    // Computed values (numbers, band names) are ASCII.
    void put(FieldColumns column, QStringView value)
    {
        const qsizetype n = std::min<qsizetype>(value.size(), column.width);
        for (qsizetype i = 0; i < n; ++i)
            bytes[column.start + i] = value[i].unicode() < 0x80 ? char(value[i].unicode()) : '?';
    }
};

// Bytes of the code page as text, in a buffer reused from one record to the next.
void widen(QByteArrayView bytes, QString &into)
{
    into.resize(bytes.size());
    cp1252::decodeInto(bytes, into.data());
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
    char out[8];
    return toLogDate(qsoDate, out) ? QString::fromLatin1(out, 8) : QString();
}

QString logTime(QByteArrayView timeOn)
{
    char out[5];
    return toLogTime(timeOn, out) ? QString::fromLatin1(out, 5) : QString();
}

QsoLineBuilder::QsoLineBuilder(ImportStation station)
    : m_station(std::move(station)), m_qrb(m_station.ownLocator)
{
    // As a number without a conversion to an integer type, which a power of
    // hundreds of digits would overflow; the column keeps its first two digits.
    m_powerWatts = std::floor(numericValue(m_station.power));
    const QString power = QString::number(m_powerWatts, 'f', 0);
    m_ownLocatorBytes = cp1252::encode(m_station.ownLocator);
    m_powerBytes = cp1252::encode(power);
    m_powerValue = numericValue(power); // as the km/W of the entry reads the column
}

QString QsoLineBuilder::band(const Values &values)
{
    // FREQ says more than BAND when both are given; BAND stands in for a FREQ that fits no band.
    if (!values[FREQ].isNull())
        if (const QString b = bandFromFrequency(logValue(values[FREQ], false, m_bytes)); !b.isEmpty())
            return b;
    return bandFromName(logValue(values[BAND], true, m_bytes));
}

void duplicateKey(QByteArrayView line, QByteArray &key)
{
    static constexpr FieldColumns columns[] = {RecordColumn::Indicatif, RecordColumn::Date, RecordColumn::QTR,
                                               RecordColumn::QRG, RecordColumn::Mode};
    constexpr qsizetype Count = std::size(columns);
    QByteArrayView parts[Count];
    qsizetype size = Count - 1; // the separators
    for (qsizetype i = 0; i < Count; ++i)
        size += (parts[i] = cp1252::trimmed(recordField(line, columns[i]))).size();
    key.resize(size);
    char *out = key.data();
    for (qsizetype i = 0; i < Count; ++i) {
        if (i > 0)
            *out++ = '|';
        out = std::copy_n(parts[i].data(), parts[i].size(), out);
    }
}

// Each value goes straight into its columns of a blank line, as the bytes
// the log file holds.
bool QsoLineBuilder::appendLine(const Record &record, QByteArray &out)
{
    static const FieldNames names = {"CALL", "NAME", "GRIDSQUARE", "QSO_DATE", "TIME_ON", "MODE",
                                     "FREQ", "BAND", "RST_RCVD",   "RST_SENT", "QTH"};
    Q_ASSERT(names.size() == WantedCount);
    Values values;
    record.firstValues(names, values.data());
    // A record left out leaves no trace in the counts of written QSOs.
    ++m_written;
    const std::array<int, MissingKinds> missingBefore = m_missing;
    const auto skip = [&] {
        --m_written;
        m_missing = missingBefore;
        return false;
    };
    LineBytes line;
    const auto putText = [&](FieldColumns column, QByteArrayView value, QByteArrayView replacement = {}) {
        const QByteArrayView bytes = logValue(value, true, m_bytes);
        line.put(column, bytes.isEmpty() ? replacement : bytes);
        return bytes;
    };

    QByteArrayView call = logValue(values[CALL], true, m_bytes);
    if (call.isEmpty()) {
        ++m_missing[Call];
        call = "FXXXX";
    }
    line.put(RecordColumn::Indicatif, call);
    widen(call.first(std::min<qsizetype>(call.size(), RecordColumn::Indicatif.width)), m_call);
    putText(RecordColumn::Prenom, values[NAME]);
    const QByteArrayView locator = putText(RecordColumn::Loc, values[GRIDSQUARE]);
    widen(locator.first(std::min<qsizetype>(locator.size(), RecordColumn::Loc.width)), m_locator);

    // A value that is there but cannot be read is told apart from no value.
    char date[8];
    if (!toLogDate(values[QSO_DATE], date)) {
        ++m_missing[values[QSO_DATE].isEmpty() ? Date : BadDate];
        std::copy_n("01/01/00", 8, date);
    }
    line.put(RecordColumn::Date, QByteArrayView(date, 8));
    char time[5];
    if (!toLogTime(values[TIME_ON], time)) {
        ++m_missing[values[TIME_ON].isEmpty() ? Time : BadTime];
        std::copy_n("00:00", 5, time);
    }
    line.put(RecordColumn::QTR, QByteArrayView(time, 5));

    const QByteArrayView mode = putText(RecordColumn::Mode, values[MODE], "XXX");
    // A fourth character of the mode (RTTY, JT65) takes the blank column before the band.
    if (mode.size() > 3)
        line.bytes[RecordColumn::Mode.start + 3] = mode[3];
    const bool lowPowerMode = !mode.isEmpty() && allowedPowerWatts(mode) == 5;
    QString qrg = band(values);
    if (qrg.isEmpty()) {
        // A band named but not one of the contest (60 m, 4 m): the QSO is not
        // the contest's, and 1.8 Mhz would score it on a band it was not on.
        QString named = record.text("BAND", true);
        if (const QString freq = record.text("FREQ"); named.isEmpty() && !freq.isEmpty())
            named = QStringLiteral("FREQ ") + freq;
        if (!named.isEmpty()) {
            ++m_outOfBand[named];
            return skip();
        }
        ++m_missing[Band];
        qrg = QStringLiteral("1.8 Mhz");
    }
    line.put(RecordColumn::QRG, qrg);
    if (!m_present.isEmpty()) {
        duplicateKey(QByteArrayView(line.bytes, QsoRecord::RecordLineLength), m_key);
        if (m_present.contains(m_key)) {
            ++m_skipped;
            return skip();
        }
    }
    if (lowPowerMode)
        ++m_lowPowerModeQsos;
    putText(RecordColumn::RstR, values[RST_RCVD], "XX");
    putText(RecordColumn::RstE, values[RST_SENT], "XX");
    putText({RecordColumn::QTH.start, 20}, values[QTH]); // of its thirty columns, the first twenty

    // No QRB for a locator of fewer than six characters: the column then reads 0.
    const double qrb = m_locator.size() < 6 ? 0 : m_qrb.to(m_locator).value_or(0);
    line.putWhole(RecordColumn::QRB, qrb);
    line.put(RecordColumn::MyLoc, m_ownLocatorBytes);
    line.put(RecordColumn::Pwr, m_powerBytes);
    if (const std::optional<double> kmw = KmPerWattValue(qrb, m_powerValue))
        line.putWhole(RecordColumn::KmW, *kmw);
    line.put(RecordColumn::Pts, QsoPoints(m_station.kind, m_call));
    line.put(RecordColumn::Bonus, OutingBonus(m_station.kind, m_written, m_station.currentMonth));
    out.append(line.bytes, sizeof line.bytes);
    return true;
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
