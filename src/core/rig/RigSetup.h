#pragma once
#include "platform/SettingsStore.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pendrel::rig {

// How Pendrel reaches the transceiver, kept in the callsign's section.
struct RigSetup {
    enum class Source { Off, Running, Launched };
    Source source = Source::Off;
    QString host = QStringLiteral("localhost");
    quint16 port = 4532;
    int model = 1;                    // Hamlib's rig model (1: its dummy rig)
    QString device;                   // the serial port, for a launched rigctld
    int speed = 9600;                 // its speed in bauds

    static RigSetup read(const SettingsStore &settings, const QString &section);
    void write(SettingsStore &settings, const QString &section) const;
    // The arguments of the rigctld that Pendrel starts itself; it listens on
    // the local loopback only.
    QStringList launchArguments() const;
    // "localhost:4532"
    QString address() const;
    bool operator==(const RigSetup &) const = default;
};

// "HOST:PORT", "HOST" (port 4532) or "[v6]:PORT"; nothing when the port is not
// a number from 1 to 65535 or the host is empty.
std::optional<RigSetup> parseAddress(const QString &text);

} // namespace pendrel::rig

namespace pendrel {

// The same reading of a server's address for any service (gpsd: 2947).
struct HostPort {
    QString host;
    quint16 port = 0;
};
std::optional<HostPort> parseHostPort(const QString &text, quint16 defaultPort);

} // namespace pendrel

namespace pendrel::rig {

} // namespace pendrel::rig
