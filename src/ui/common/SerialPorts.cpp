#include "ui/common/SerialPorts.h"

#include <QDir>
#include <QSerialPortInfo>

namespace pendrel::ui {

QStringList serialPorts()
{
    QStringList out;
    for (const QFileInfo &link : QDir(QStringLiteral("/dev/serial/by-id")).entryInfoList(QDir::System | QDir::Files))
        out << link.absoluteFilePath();
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        out << port.systemLocation();
    return out;
}

} // namespace pendrel::ui
