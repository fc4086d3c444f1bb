#pragma once
#include "core/geo/Position.h"
#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QIODevice;
class QNmeaPositionInfoSource;
class QGeoPositionInfo;

namespace pendrel {

// Where the position comes from: gpsd over TCP, or NMEA sentences from a
// serial device or a recorded file.
struct GpsSetup {
    enum class Source { Off, Gpsd, Nmea };
    Source source = Source::Off;
    QString host = QStringLiteral("localhost");
    quint16 port = 2947;
    QString device; // a serial port or a file of NMEA sentences
    int speed = 4800;
    bool operator==(const GpsSetup &) const = default;

    // Kept in the global section of the settings: the receiver is the computer's.
    static GpsSetup read(const SettingsStore &settings);
    void write(SettingsStore &settings) const;
};

// The last fix: a real position, when it arrived (monotonic) and the GPS's UTC.
struct GpsFix {
    Position place;
    double accuracyMetres = -1; // from the HDOP; negative when the GPS gives none
    QDateTime gpsUtc;           // invalid when the GPS gives no time
    QDateTime computerUtc;      // the computer's clock when the fix arrived
    QElapsedTimer received;
    bool valid() const { return received.isValid(); }
};

// Reads positions with Qt Positioning's NMEA source: from gpsd, which streams
// NMEA once asked (?WATCH), from a serial device, or replays a file. A source
// that gives nothing, garbage or stops never blocks: the fix ages out after
// 30 s and the connection is made again by itself.
class GpsSource : public QObject {
    Q_OBJECT
public:
    explicit GpsSource(QObject *parent = nullptr);
    ~GpsSource() override;

    void start(const GpsSetup &setup);
    void stop();
    // The last fix if it arrived less than 30 s ago.
    const GpsFix *freshFix() const;
    // Why there is no fix (for the state line's tooltip).
    QString problem() const { return m_problem; }
    // The computer's own clock, uncorrected, against which the GPS time is
    // compared; and how long a fix stays fresh (tests shorten it).
    std::function<QDateTime()> computerUtc = [] { return QDateTime::currentDateTimeUtc(); };
    void setFreshness(int milliseconds) { m_freshMs = milliseconds; }

signals:
    // A new fix, and each change of state (a fix aged out, a failure).
    void changed();

private:
    void open();
    void attach(QIODevice *device, bool realTime);
    void positionUpdated(const QGeoPositionInfo &info);
    void fail(const QString &problem);

    GpsSetup m_setup;
    QPointer<QIODevice> m_device;
    QPointer<QNmeaPositionInfoSource> m_nmea;
    QTimer m_retry, m_age;
    GpsFix m_fix;
    QString m_problem;
    int m_freshMs;
};

} // namespace pendrel
