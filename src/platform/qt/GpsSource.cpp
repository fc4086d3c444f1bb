#include "platform/qt/GpsSource.h"

#include "core/gps/GpsCheck.h"
#include "core/storage/SettingsKeys.h"

#include <QFile>
#include <QFileInfo>
#include <QGeoPositionInfo>
#include <QNmeaPositionInfoSource>
#include <QSerialPort>
#include <QTcpSocket>

namespace pendrel {

namespace {
// A receiver's error for an HDOP of 1, in metres: what Qt multiplies the HDOP by.
constexpr double UserEquivalentRangeError = 5.0;
constexpr int RetryMs = 3000;
} // namespace

namespace {
const QString KeySource = QStringLiteral("GPS Source");
const QString KeyHost = QStringLiteral("GPS Hote");
const QString KeyPort = QStringLiteral("GPS Port");
const QString KeyDevice = QStringLiteral("GPS Liaison");
const QString KeySpeed = QStringLiteral("GPS Vitesse");
const QStringList SourceWords = {QStringLiteral("Non"), QStringLiteral("gpsd"), QStringLiteral("NMEA")};
} // namespace

GpsSetup GpsSetup::read(const SettingsStore &settings)
{
    const QString section = settings::GlobalSection;
    GpsSetup setup;
    const qsizetype source = SourceWords.indexOf(settings.read(section, KeySource, SourceWords[0]));
    setup.source = source < 0 ? Source::Off : Source(source);
    const QString host = settings.read(section, KeyHost, setup.host).trimmed();
    if (!host.isEmpty())
        setup.host = host;
    const int port = settings.read(section, KeyPort, QString()).toInt();
    if (port > 0 && port < 65536)
        setup.port = quint16(port);
    setup.device = settings.read(section, KeyDevice, QString()).trimmed();
    const int speed = settings.read(section, KeySpeed, QString()).toInt();
    if (speed >= 300)
        setup.speed = speed;
    return setup;
}

void GpsSetup::write(SettingsStore &settings) const
{
    const QString section = settings::GlobalSection;
    settings.write(section, KeySource, SourceWords[int(source)]);
    settings.write(section, KeyHost, host);
    settings.write(section, KeyPort, QString::number(port));
    settings.write(section, KeyDevice, device);
    settings.write(section, KeySpeed, QString::number(speed));
}

GpsSource::GpsSource(QObject *parent)
    : QObject(parent)
    , m_freshMs(int(gps::FreshFixMs))
{
    m_retry.setSingleShot(true);
    m_age.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &GpsSource::open);
    // No fix for 30 s: the last one is too old, and a live source is opened
    // again (a gpsd restarted, a receiver plugged back).
    connect(&m_age, &QTimer::timeout, this, [this] {
        if (m_problem.isEmpty())
            m_problem = QStringLiteral("aucune position reçue depuis %1 s").arg(m_freshMs / 1000);
        emit changed();
        if (m_setup.source == GpsSetup::Source::Gpsd || !QFileInfo(m_setup.device).isFile())
            open();
    });
}

GpsSource::~GpsSource()
{
    stop();
}

void GpsSource::start(const GpsSetup &setup)
{
    stop();
    m_setup = setup;
    if (setup.source != GpsSetup::Source::Off)
        open();
}

void GpsSource::stop()
{
    m_retry.stop();
    m_age.stop();
    if (m_nmea)
        m_nmea->stopUpdates();
    delete m_nmea;
    if (m_device)
        m_device->disconnect(this);
    delete m_device;
    m_fix = GpsFix();
}

const GpsFix *GpsSource::freshFix() const
{
    return m_fix.valid() && m_fix.received.elapsed() < m_freshMs ? &m_fix : nullptr;
}

void GpsSource::open()
{
    const GpsSetup setup = m_setup;
    stop();
    m_setup = setup;
    m_problem.clear();
    m_age.start(m_freshMs);
    if (setup.source == GpsSetup::Source::Gpsd) {
        auto *socket = new QTcpSocket(this);
        m_device = socket;
        const QString where = QStringLiteral("%1:%2").arg(setup.host).arg(setup.port);
        connect(socket, &QTcpSocket::connected, this, [this, socket] {
            // gpsd speaks JSON until asked for the NMEA sentences.
            socket->write(R"(?WATCH={"enable":true,"nmea":true})" "\n");
            attach(socket, true);
        });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, where](QAbstractSocket::SocketError error) {
            fail(error == QAbstractSocket::RemoteHostClosedError
                     ? QStringLiteral("gpsd a fermé la connexion (%1)").arg(where)
                     : QStringLiteral("gpsd ne répond pas à %1").arg(where));
        });
        socket->connectToHost(setup.host, setup.port);
        return;
    }
    if (QFileInfo(setup.device).isFile()) {
        // A recording, replayed at the pace of its own times.
        auto *file = new QFile(setup.device, this);
        m_device = file;
        if (!file->open(QIODevice::ReadOnly))
            return fail(QStringLiteral("le fichier %1 est illisible").arg(setup.device));
        attach(file, false);
        return;
    }
    auto *port = new QSerialPort(setup.device, this);
    m_device = port;
    port->setBaudRate(setup.speed);
    if (!port->open(QIODevice::ReadOnly))
        return fail(QStringLiteral("le port %1 ne s'ouvre pas").arg(setup.device));
    attach(port, true);
}

void GpsSource::attach(QIODevice *device, bool realTime)
{
    m_nmea = new QNmeaPositionInfoSource(
        realTime ? QNmeaPositionInfoSource::RealTimeMode : QNmeaPositionInfoSource::SimulationMode, this);
    m_nmea->setDevice(device);
    m_nmea->setUserEquivalentRangeError(UserEquivalentRangeError);
    connect(m_nmea, &QNmeaPositionInfoSource::positionUpdated, this, &GpsSource::positionUpdated);
    m_nmea->startUpdates();
}

void GpsSource::positionUpdated(const QGeoPositionInfo &info)
{
    // A sentence without a fix (no satellites yet) gives no usable place.
    const QGeoCoordinate c = info.coordinate();
    if (!info.isValid() || !c.isValid() || c.type() == QGeoCoordinate::InvalidCoordinate)
        return;
    m_fix.place = Position{c.latitude(), c.longitude()};
    m_fix.accuracyMetres = info.hasAttribute(QGeoPositionInfo::HorizontalAccuracy)
        ? info.attribute(QGeoPositionInfo::HorizontalAccuracy)
        : -1;
    m_fix.gpsUtc = info.timestamp().date().isValid() ? info.timestamp().toUTC() : QDateTime();
    m_fix.computerUtc = computerUtc();
    m_fix.received.start();
    m_problem.clear();
    m_age.start(m_freshMs);
    emit changed();
}

void GpsSource::fail(const QString &problem)
{
    m_problem = problem;
    m_age.stop();
    emit changed();
    m_retry.start(RetryMs);
}

} // namespace pendrel
