#pragma once
#include <QString>
#include <QStringView>

namespace pendrel::rig {

// What the transceiver reports (through rigctld), turned into the entry
// line's values.

// The band of the entry's list (1.8 to 432 Mhz) that holds `hz`, by the same
// edges as the ADIF import; empty outside every one of them.
QString entryBand(qint64 hz);
// The entry's mode for a rig mode: CW for CW and CWR, SSB for USB and LSB, DIG
// for the data modes (PKTUSB, PKTLSB, RTTY, RTTYR, PKTFM...); empty for a mode
// that fits none (AM, FM).
QString entryMode(QStringView rigMode);
// Output power in whole watts, rounded up from milliwatts: rounding up never
// overstates the km/W.
int wholeWatts(qint64 milliwatts);

// The rig's state line: "Poste : 7.030 MHz CW 5 W", with what fits nothing said
// ("Poste : 5.357 MHz hors bande USB 5 W", "... mode inconnu (FM) ..."); no
// power when the rig does not tell it (negative milliwatts).
QString stateLine(qint64 hz, QStringView rigMode, qint64 milliwatts);

} // namespace pendrel::rig
