#pragma once
#include "core/adif/AdifImport.h"
#include "platform/SettingsStore.h"

namespace pendrel::adif {

// The callsign stored in the identity ("FXXXX" before the first set-up).
QString storedCallsign(const SettingsStore &settings);

// An import request with the own locator, power and outing counter that the
// main window shows at start-up for `kind`, read from the settings store
// (used where there is no window: pendrel-cli).
ImportRequest requestFromSettings(const SettingsStore &settings, const QString &dataFolder,
                                  const QString &callsign, StationKind kind, const QDate &today,
                                  const QString &adifPath);

} // namespace pendrel::adif
