#pragma once
#include "platform/SettingsStore.h"

#include <QString>

namespace pendrel {

// The verdict on a callsign or locator typed in the station dialog: an empty
// message when it is accepted.
struct IdentityVerdict {
    QString message;
    bool accepted() const { return message.isEmpty(); }
};

// The station dialog's text in upper case, for the ASCII letters a to z
// only: every other character stays as typed, so the checks below see it.
// (Full Unicode case mapping would turn "ß" into "SS" or "ı" into "I" and let
// them through as letters.)
QString typedIdentityUpper(const QString &typed);

// A callsign of 1 to 12 characters, each a digit, an upper-case letter or '_'
// (the form a portable '/' takes in file names and settings sections).
IdentityVerdict checkStationCallsign(const QString &callsign);
// A locator of exactly 6 characters in the CheckLocator form.
IdentityVerdict checkStationLocator(const QString &locator);

// The settings store's callsign names files and a settings section, so a value
// edited by hand ("../x", "a/b") must never reach a path: true when it is one
// that the station dialog could have stored.
bool isStoredCallsignValid(const QString &callsign);
// "Setup " / "Indicatif Station", or the placeholder "FXXXX" (first run) when
// it is absent or not a callsign the station dialog could have stored.
QString readStoredCallsign(const SettingsStore &settings);

} // namespace pendrel
