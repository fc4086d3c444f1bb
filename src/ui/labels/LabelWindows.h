#pragma once
#include "platform/Platform.h"

#include <QString>
#include <functional>

namespace pendrel::ui {

// What the two label windows take from the main window.
struct LabelContext {
    Platform &platform;
    QString callsign;                    // StationCallsign: the settings section of the label choices
    std::function<QString()> ownCallsign; // I_Station or I_Station_P, as shown when printing
};

} // namespace pendrel::ui
