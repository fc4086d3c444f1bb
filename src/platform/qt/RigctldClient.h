#pragma once
#include "core/rig/RigProtocol.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

namespace pendrel {

// What the rig last told, or why it tells nothing.
struct RigStatus {
    bool connected = false;
    qint64 hz = 0;
    QString mode;          // the rig's mode (CW, USB, PKTUSB...)
    qint64 milliwatts = -1; // negative: the rig does not report its power
    QString reason;         // why not connected
};

// A client of rigctld: connects, reads frequency, mode and power over and over,
// and tunes the rig when asked. Nothing blocks: every step has a deadline of
// about a second, after which the connection is dropped, the reason shown and
// a new connection tried a little later.
class RigctldClient : public QObject {
    Q_OBJECT
public:
    explicit RigctldClient(QObject *parent = nullptr);
    ~RigctldClient() override;

    void start(const QString &host, quint16 port);
    void stop();
    // Tunes the rig to `hz` for an entry mode (CW, SSB, DIG) at the next step.
    void tune(qint64 hz, const QString &entryMode);
    const RigStatus &status() const { return m_status; }
    // Between two readings and before a new connection (tests shorten them).
    void setIntervals(int pollMs, int retryMs, int deadlineMs);

signals:
    // After each complete reading and each failure.
    void statusChanged();

private:
    enum class Stage { Off, Connecting, Idle, Reading, Power, Tuning };
    void connectNow();
    void step();
    void send(Stage stage, const QByteArray &commands, int replies);
    void received();
    void readingDone(const QList<rig::Reply> &replies);
    void finish();
    void fail(const QString &reason);

    QTcpSocket *m_socket;
    QTimer m_next, m_deadline;
    rig::ReplyReader m_reader;
    QList<rig::Reply> m_replies;
    Stage m_stage = Stage::Off;
    int m_awaited = 0;
    QString m_host;
    quint16 m_port = 0;
    int m_pollMs = 500, m_retryMs = 2000;
    QByteArray m_tune;
    RigStatus m_status, m_reading;
};

} // namespace pendrel
