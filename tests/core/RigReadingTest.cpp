// What the transceiver reports, as the entry line takes it: one table.
#include "core/rig/RigReading.h"

#include <gtest/gtest.h>

using namespace pendrel;

TEST(RigReading, FrequencyModeAndPowerBecomeTheEntrysValues)
{
    const struct {
        qint64 hz;
        const char *rigMode;
        qint64 milliwatts;
        const char *band, *mode;
        int watts;
        const char *line;
    } cases[] = {
        {7030000, "CW", 5000, "7.0 Mhz", "CW", 5, "Poste : 7.030 MHz CW 5 W"},
        {14074000, "PKTUSB", 4200, "14 Mhz", "DIG", 5, "Poste : 14.074 MHz DIG 5 W"},
        {3573000, "lsb", 10000, "3.5 Mhz", "SSB", 10, "Poste : 3.573 MHz SSB 10 W"},
        {1838000, "RTTYR", 1, "1.8 Mhz", "DIG", 1, "Poste : 1.838 MHz DIG 1 W"},
        {144300000, "USB", 0, "144 Mhz", "SSB", 0, "Poste : 144.300 MHz SSB 0 W"},
        {432200000, "CWR", 999, "432 Mhz", "CW", 1, "Poste : 432.200 MHz CW 1 W"},
        // Band edges of the table, inclusive.
        {7300000, "CW", 5000, "7.0 Mhz", "CW", 5, "Poste : 7.300 MHz CW 5 W"},
        {7300001, "CW", 5000, "", "CW", 5, "Poste : 7.300 MHz hors bande CW 5 W"},
        // Off every band of the entry: 60 m, 23 cm (a band of the import only).
        {5357000, "USB", 5000, "", "SSB", 5, "Poste : 5.357 MHz hors bande SSB 5 W"},
        {1296200000, "CW", 5000, "", "CW", 5, "Poste : 1296.200 MHz hors bande CW 5 W"},
        // Modes that fit none.
        {28500000, "FM", 5001, "28 Mhz", "", 6, "Poste : 28.500 MHz mode inconnu (FM) 6 W"},
        {7100000, "AM", 5000, "7.0 Mhz", "", 5, "Poste : 7.100 MHz mode inconnu (AM) 5 W"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(rig::entryBand(c.hz), QString::fromUtf8(c.band));
        EXPECT_EQ(rig::entryMode(QString::fromLatin1(c.rigMode)), QString::fromLatin1(c.mode));
        EXPECT_EQ(rig::wholeWatts(c.milliwatts), c.watts);
        EXPECT_EQ(rig::stateLine(c.hz, QString::fromLatin1(c.rigMode), c.milliwatts), QString::fromUtf8(c.line));
    }
}
