#pragma once
#include "core/adif/AdifReader.h"
#include "core/geo/Qrb.h"
#include "core/storage/LogStore.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>

namespace pendrel::adif {

// The own station as an import sees it: the kind selected, its locator and power.
struct ImportStation {
    StationKind kind = StationKind::Fixed;
    QString ownLocator;
    QString power;
    int currentMonth = 1; // of the computer's local date: the outing bonus depends on it
};

// A QSO_DATE as the log writes it ("20080125" -> "25/01/08"); empty unless it
// is eight digits forming a real date.
QString logDate(QByteArrayView qsoDate);
// A TIME_ON as the log writes it ("1435" or "143512" -> "14:35"); empty unless
// it starts with four digits forming a real time.
QString logTime(QByteArrayView timeOn);

// What makes two QSOs of a log the same one: callsign, date, time to the
// minute, band and mode, as a record line holds them (in the log's code page);
// written into `key`, whose buffer is reused.
void duplicateKey(QByteArrayView recordLine, QByteArray &key);

// Turns the records of one import into record lines, in order: replacement
// values for what a record lacks, QRB from the locators, points, the bonus of
// the import's fifth QSO, km/W. Counts each kind of replacement.
class QsoLineBuilder {
public:
    explicit QsoLineBuilder(ImportStation station);

    // Appends the record's line to `out` as the log file holds it (code page,
    // CR LF); false, with nothing appended, for a record left out.
    bool appendLine(const Record &record, QByteArray &out);
    int written() const { return m_written; }
    // The QSOs already in the log (their duplicateKey): appendLine() leaves
    // out a record whose QSO is one of them and counts it apart, neither
    // written nor replaced, so the bonus goes to the fifth QSO added.
    void setPresent(QSet<QByteArray> keys) { m_present = std::move(keys); }
    int skipped() const { return m_skipped; }
    // Records whose band or frequency is on none of the contest's bands, by
    // the BAND they name (else "FREQ" and the frequency): not imported.
    const QMap<QString, int> &outOfBand() const { return m_outOfBand; }
    // QSOs written in CW or a digital mode (any mode but SSB, USB, LSB, AM, FM)
    // and the power, in whole watts, that scores them.
    int lowPowerModeQsos() const { return m_lowPowerModeQsos; }
    double powerWatts() const { return m_powerWatts; }
    // One message per kind of replacement made, saying how many QSOs it concerned.
    QStringList messages() const;

private:
    enum Wanted { CALL, NAME, GRIDSQUARE, QSO_DATE, TIME_ON, MODE, FREQ, BAND, RST_RCVD, RST_SENT, QTH, WantedCount };
    using Values = std::array<QByteArrayView, WantedCount>;
    QString band(const Values &values);

    enum Missing { Call, Date, BadDate, Time, BadTime, Band, MissingKinds };
    ImportStation m_station;
    QrbFrom m_qrb;
    QByteArray m_ownLocatorBytes, m_powerBytes; // as the line holds them (the power in whole watts)
    int m_written = 0;
    int m_skipped = 0;
    int m_lowPowerModeQsos = 0;
    double m_powerWatts = 0, m_powerValue = 0;
    QMap<QString, int> m_outOfBand;
    QSet<QByteArray> m_present;
    std::array<int, MissingKinds> m_missing{};
    QByteArray m_bytes, m_key; // for the values of one record, reused from one to the next
    QString m_call, m_locator;
};

} // namespace pendrel::adif
