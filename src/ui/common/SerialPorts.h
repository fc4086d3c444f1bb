#pragma once
#include <QStringList>

namespace pendrel::ui {

// The system's serial ports, for the rig and GPS dialogs: the lasting names
// of USB adapters (/dev/serial/by-id) first, then every port Qt knows.
QStringList serialPorts();

} // namespace pendrel::ui
