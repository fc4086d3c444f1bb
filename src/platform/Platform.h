#pragma once
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"

#include <QString>

namespace pendrel {

// The seams handed to every window: the real ones in the program, fakes in tests.
struct Platform {
    Clock &clock;
    Dialogs &dialogs;
    SettingsStore &settings;
    Printer &printer;
    QString dataFolder;
};

} // namespace pendrel
