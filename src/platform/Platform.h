#pragma once
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"

#include <QString>

namespace pendrel {

class FileWriter;

// The seams handed to every window: the real ones in the program, fakes in tests.
struct Platform {
    Clock &clock;
    Dialogs &dialogs;
    SettingsStore &settings;
    Printer &printer;
    QString dataFolder;
    // Writes every file the windows change; none: FileWriter::standard().
    FileWriter *fileWriter = nullptr;
    // The web page windows' browser; none: the page's address as a link.
    Browser *browser = nullptr;
    // The settings' file, which backups copy; none: not backed up.
    QString settingsFile = {};
};

} // namespace pendrel
