#pragma once
#include <QDateTime>

namespace pendrel {

// The computer's clock. The program reads UTC for the log and local time for
// the display and for the outing bonus month; tests freeze it. A correction
// (from the GPS, for a computer whose clock is off) shifts both readings.
class Clock {
public:
    virtual ~Clock() = default;
    QDateTime nowUtc() const { return readUtc().addMSecs(m_correctionMs); }
    QDateTime nowLocal() const { return readLocal().addMSecs(m_correctionMs); }
    // Milliseconds added to the computer's time from now on.
    void setCorrection(qint64 milliseconds) { m_correctionMs = milliseconds; }
    qint64 correction() const { return m_correctionMs; }
    // The computer's own time, uncorrected.
    virtual QDateTime readUtc() const = 0;
    virtual QDateTime readLocal() const = 0;

private:
    qint64 m_correctionMs = 0;
};

} // namespace pendrel
