#include "platform/qt/RigctldClient.h"

#include <QTcpSocket>

namespace pendrel {

RigctldClient::RigctldClient(QObject *parent)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
{
    m_status.reason = QStringLiteral("connexion en cours");
    m_next.setSingleShot(true);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(1000);
    connect(&m_next, &QTimer::timeout, this, &RigctldClient::step);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        fail(m_stage == Stage::Connecting ? QStringLiteral("rigctld ne répond pas à %1:%2").arg(m_host).arg(m_port)
                                          : QStringLiteral("le poste ne répond pas (rigctld à %1:%2)")
                                                .arg(m_host)
                                                .arg(m_port));
    });
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_deadline.stop();
        m_stage = Stage::Idle;
        step();
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &RigctldClient::received);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (m_stage == Stage::Off)
            return;
        const QString where = QStringLiteral("%1:%2").arg(m_host).arg(m_port);
        switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            fail(QStringLiteral("rigctld n'écoute pas à %1").arg(where));
            break;
        case QAbstractSocket::HostNotFoundError:
            fail(QStringLiteral("l'ordinateur %1 est introuvable").arg(m_host));
            break;
        case QAbstractSocket::RemoteHostClosedError:
            fail(QStringLiteral("rigctld a fermé la connexion (%1)").arg(where));
            break;
        default:
            fail(QStringLiteral("connexion à rigctld impossible (%1)").arg(where));
        }
    });
}

RigctldClient::~RigctldClient()
{
    m_stage = Stage::Off;
}

void RigctldClient::setIntervals(int pollMs, int retryMs, int deadlineMs)
{
    m_pollMs = pollMs;
    m_retryMs = retryMs;
    m_deadline.setInterval(deadlineMs);
}

void RigctldClient::start(const QString &host, quint16 port)
{
    stop();
    m_host = host;
    m_port = port;
    connectNow();
}

void RigctldClient::stop()
{
    m_stage = Stage::Off;
    m_next.stop();
    m_deadline.stop();
    m_socket->abort();
    m_reader.clear();
    m_tune.clear();
}

void RigctldClient::tune(qint64 hz, const QString &entryMode)
{
    m_tune = rig::tuneCommands(hz, entryMode, m_status.mode);
    if (m_stage == Stage::Idle)
        step();
}

void RigctldClient::connectNow()
{
    m_stage = Stage::Connecting;
    m_reader.clear();
    m_replies.clear();
    m_deadline.start();
    m_socket->connectToHost(m_host, m_port);
}

void RigctldClient::step()
{
    if (m_stage == Stage::Off)
        return;
    if (m_stage == Stage::Connecting) {
        connectNow();
        return;
    }
    if (m_stage != Stage::Idle)
        return;
    m_next.stop();
    if (!m_tune.isEmpty()) {
        const QByteArray commands = std::exchange(m_tune, {});
        send(Stage::Tuning, commands, int(commands.count('\n')));
    } else {
        send(Stage::Reading, rig::readCommands(), 3);
    }
}

void RigctldClient::send(Stage stage, const QByteArray &commands, int replies)
{
    m_stage = stage;
    m_awaited = replies;
    m_replies.clear();
    m_deadline.start();
    m_socket->write(commands);
}

void RigctldClient::received()
{
    if (!m_reader.feed(m_socket->readAll())) {
        fail(QStringLiteral("réponse illisible de %1:%2 : ce n'est pas rigctld").arg(m_host).arg(m_port));
        return;
    }
    while (m_stage != Stage::Off && m_stage != Stage::Connecting) {
        const auto reply = m_reader.next();
        if (!reply)
            return;
        if (m_stage == Stage::Idle) // nothing was asked: not rigctld
            continue;
        m_replies.append(*reply);
        if (m_replies.size() < m_awaited)
            continue;
        m_deadline.stop();
        const QList<rig::Reply> replies = std::exchange(m_replies, {});
        if (m_stage == Stage::Reading)
            readingDone(replies);
        else if (m_stage == Stage::Power) {
            m_reading.milliwatts = rig::milliwatts(replies.first()).value_or(-1);
            finish();
        } else { // Tuning: read at once what the rig now says
            m_stage = Stage::Idle;
            step();
        }
    }
}

void RigctldClient::readingDone(const QList<rig::Reply> &replies)
{
    for (const rig::Reply &reply : replies.first(2))
        if (reply.code < 0) {
            fail(QStringLiteral("rigctld ne joint pas le poste (erreur %1) : est-il allumé et relié ?").arg(reply.code));
            return;
        }
    const auto hz = rig::frequencyHz(replies[0]);
    const QString mode = rig::rigMode(replies[1]);
    if (!hz || mode.isEmpty()) {
        fail(QStringLiteral("réponse illisible de %1:%2 : ce n'est pas rigctld").arg(m_host).arg(m_port));
        return;
    }
    m_reading = RigStatus{true, *hz, mode, -1, QString()};
    // The power as a level from 0 to 1, which rigctld turns into milliwatts for
    // this frequency and mode. A rig without that reading has no power shown.
    if (const auto power = rig::level(replies[2]))
        send(Stage::Power, rig::powerCommand(*power, *hz, mode), 1);
    else
        finish();
}

void RigctldClient::finish()
{
    m_stage = Stage::Idle;
    m_status = m_reading;
    emit statusChanged();
    if (!m_tune.isEmpty())
        step();
    else
        m_next.start(m_pollMs);
}

void RigctldClient::fail(const QString &reason)
{
    if (m_stage == Stage::Off)
        return;
    m_deadline.stop();
    m_socket->abort();
    m_reader.clear();
    m_tune.clear();
    m_stage = Stage::Connecting;
    m_status = RigStatus{false, 0, QString(), -1, reason};
    emit statusChanged();
    m_next.start(m_retryMs);
}

} // namespace pendrel
