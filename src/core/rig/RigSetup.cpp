#include "core/rig/RigSetup.h"

namespace pendrel::rig {

namespace {
const QString KeySource = QStringLiteral("Poste CAT");
const QString KeyHost = QStringLiteral("Poste Hote");
const QString KeyPort = QStringLiteral("Poste Port");
const QString KeyModel = QStringLiteral("Poste Modele");
const QString KeyDevice = QStringLiteral("Poste Liaison");
const QString KeySpeed = QStringLiteral("Poste Vitesse");
const QStringList SourceWords = {QStringLiteral("Non"), QStringLiteral("rigctld"), QStringLiteral("Lancer")};

int number(const QString &text, int fallback, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}
} // namespace

RigSetup RigSetup::read(const SettingsStore &settings, const QString &section)
{
    RigSetup setup;
    const qsizetype source = SourceWords.indexOf(settings.read(section, KeySource, SourceWords[0]));
    setup.source = source < 0 ? Source::Off : Source(source);
    const QString host = settings.read(section, KeyHost, setup.host).trimmed();
    if (!host.isEmpty())
        setup.host = host;
    setup.port = quint16(number(settings.read(section, KeyPort, QString()), setup.port, 1, 65535));
    setup.model = number(settings.read(section, KeyModel, QString()), setup.model, 1, 999999);
    setup.device = settings.read(section, KeyDevice, QString()).trimmed();
    setup.speed = number(settings.read(section, KeySpeed, QString()), setup.speed, 300, 4000000);
    return setup;
}

void RigSetup::write(SettingsStore &settings, const QString &section) const
{
    settings.write(section, KeySource, SourceWords[int(source)]);
    settings.write(section, KeyHost, host);
    settings.write(section, KeyPort, QString::number(port));
    settings.write(section, KeyModel, QString::number(model));
    settings.write(section, KeyDevice, device);
    settings.write(section, KeySpeed, QString::number(speed));
}

QStringList RigSetup::launchArguments() const
{
    QStringList args = {QStringLiteral("-m"), QString::number(model), QStringLiteral("-T"), QStringLiteral("127.0.0.1"),
                        QStringLiteral("-t"), QString::number(port)};
    if (!device.isEmpty())
        args << QStringLiteral("-r") << device << QStringLiteral("-s") << QString::number(speed);
    return args;
}

QString RigSetup::address() const
{
    return (host.contains(u':') ? u'[' + host + u']' : host) + u':' + QString::number(port);
}

std::optional<RigSetup> parseAddress(const QString &text)
{
    const auto address = parseHostPort(text, RigSetup().port);
    if (!address)
        return std::nullopt;
    RigSetup setup;
    setup.host = address->host;
    setup.port = address->port;
    setup.source = RigSetup::Source::Running;
    return setup;
}

} // namespace pendrel::rig

namespace pendrel {

std::optional<HostPort> parseHostPort(const QString &text, quint16 defaultPort)
{
    QString host = text.trimmed(), port;
    if (host.startsWith(u'[')) {
        const qsizetype close = host.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        port = host.mid(close + 1);
        host = host.mid(1, close - 1);
        if (!port.isEmpty() && !port.startsWith(u':'))
            return std::nullopt;
        port = port.mid(1);
    } else if (host.count(u':') == 1) {
        port = host.section(u':', 1);
        host = host.section(u':', 0, 0);
    }
    if (host.isEmpty())
        return std::nullopt;
    HostPort out{host, defaultPort};
    if (!port.isNull()) {
        bool ok = false;
        const int value = port.toInt(&ok);
        if (!ok || value < 1 || value > 65535)
            return std::nullopt;
        out.port = quint16(value);
    }
    return out;
}

} // namespace pendrel
