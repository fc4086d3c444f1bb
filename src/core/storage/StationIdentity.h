#pragma once
#include <QString>

namespace pendrel {

// The verdict on a callsign or locator typed in the station dialog: an empty
// message when it is accepted.
struct IdentityVerdict {
    QString message;
    bool emptyField = false; // the typed text is thrown away
    bool accepted() const { return message.isEmpty(); }
};

// A callsign of 1 to 12 characters, each a digit, an upper-case letter or '_'
// (the form a portable '/' takes in file names and settings sections).
IdentityVerdict checkStationCallsign(const QString &callsign);
// A locator of exactly 6 characters in the CheckLocator form.
IdentityVerdict checkStationLocator(const QString &locator);

} // namespace pendrel
