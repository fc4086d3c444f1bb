// What the transceiver reports, as the entry line takes it: one table.
#include "core/info/RulesText.h"
#include "core/rig/RigProtocol.h"
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
        // A rig that does not report its power.
        {10116000, "CW", -1, "10 Mhz", "CW", 0, "Poste : 10.116 MHz CW"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(rig::entryBand(c.hz), QString::fromUtf8(c.band));
        EXPECT_EQ(rig::entryMode(QString::fromLatin1(c.rigMode)), QString::fromLatin1(c.mode));
        EXPECT_EQ(rig::wholeWatts(c.milliwatts), c.watts);
        EXPECT_EQ(rig::stateLine(c.hz, QString::fromLatin1(c.rigMode), c.milliwatts), QString::fromUtf8(c.line));
    }
}

TEST(RigProtocol, RepliesAreFramedByTheirLastLineWhateverThePackets)
{
    rig::ReplyReader reader;
    // A reply cut in the middle of a line, then the end of it with the next one.
    EXPECT_TRUE(reader.feed("get_freq:\nFreq"));
    EXPECT_FALSE(reader.next());
    EXPECT_TRUE(reader.feed("uency: 7030000.000000\nRPRT 0\nget_mode:\nMode: PKTUSB\nPassband: 3000\nRPRT 0\n"
                            "get_level: RFPOWER\n0.050000\nRPRT 0\nset_freq: x\nRPRT -1\n"));
    const auto f = reader.next(), m = reader.next(), l = reader.next(), bad = reader.next();
    ASSERT_TRUE(f && m && l && bad);
    EXPECT_EQ(rig::frequencyHz(*f), 7030000);
    EXPECT_EQ(rig::rigMode(*m), QStringLiteral("PKTUSB"));
    EXPECT_EQ(rig::level(*l), 0.05);
    EXPECT_EQ(bad->code, -1);
    EXPECT_FALSE(reader.next());

    // What is not rigctld: a reply that never ends, values that are not numbers.
    rig::ReplyReader noise;
    EXPECT_FALSE(noise.feed(QByteArray(5000, 'x')));
    const auto parsed = [](const QByteArray &bytes) {
        rig::ReplyReader r;
        r.feed(bytes);
        return *r.next();
    };
    EXPECT_FALSE(rig::frequencyHz(parsed("get_freq:\nFrequency: lots\nRPRT 0\n")));
    EXPECT_FALSE(rig::frequencyHz(parsed("get_freq:\nFrequency: 7030000\nRPRT -5\n")));
    EXPECT_FALSE(rig::frequencyHz(parsed("RPRT 0\n")));
    EXPECT_EQ(rig::rigMode(parsed("get_mode:\nMode: <b>\nRPRT 0\n")), QString());
    EXPECT_FALSE(rig::level(parsed("get_level: RFPOWER\n7\nRPRT 0\n")));
    EXPECT_EQ(rig::milliwatts(parsed("power2mW: 0.05 7030000 CW\nPower mW: 5000\nRPRT 0\n")), 5000);
    EXPECT_FALSE(rig::milliwatts(parsed("power2mW: 0.05 7030000 CW\nRPRT -11\n")));
}

TEST(RigProtocol, TuningSetsTheModeOnlyWhenTheRigsDoesNotFit)
{
    EXPECT_EQ(rig::tuneCommands(7030000, QStringLiteral("CW"), QStringLiteral("CWR")), "+F 7030000\n");
    EXPECT_EQ(rig::tuneCommands(7090000, QStringLiteral("SSB"), QStringLiteral("CW")), "+F 7090000\n+M LSB 0\n");
    EXPECT_EQ(rig::tuneCommands(14285000, QStringLiteral("SSB"), QStringLiteral("FM")), "+F 14285000\n+M USB 0\n");
    EXPECT_EQ(rig::tuneCommands(14071000, QStringLiteral("DIG"), QStringLiteral("USB")), "+F 14071000\n+M PKTUSB 0\n");
    EXPECT_EQ(rig::powerCommand(0.05, 7030000, QStringLiteral("CW")), "+\\power2mW 0.050000 7030000 CW\n");
}

TEST(RigProtocol, ModelsAreReadFromTheListOfRigctl)
{
    const QString list = QStringLiteral(
        " Rig #  Mfg                    Model                   Version         Status      Macro\n"
        "     1  Hamlib                 Dummy                   20221128.0      Stable      RIG_MODEL_DUMMY\n"
        "  3073  Icom                   IC-7300                 20230109.15     Stable      RIG_MODEL_IC7300\n"
        "garbage\n");
    const auto models = rig::rigModels(list);
    ASSERT_EQ(models.size(), 2);
    EXPECT_EQ(models[1].number, 3073);
    EXPECT_EQ(models[1].name, QStringLiteral("Icom IC-7300"));
    EXPECT_TRUE(rig::rigModels(QStringLiteral("rigctl: not found")).isEmpty());
}

TEST(RigProtocol, RecommendedFrequenciesComeFromTheRules)
{
    const QStringList rules = contestRulesLines();
    const auto cw = rig::recommendedFrequencies(rules, QStringLiteral("CW"));
    const auto ssb = rig::recommendedFrequencies(rules, QStringLiteral("SSB"));
    const auto dig = rig::recommendedFrequencies(rules, QStringLiteral("DIG"));
    ASSERT_EQ(cw.size(), 11);
    EXPECT_EQ(cw.first(), 3560000);
    EXPECT_EQ(cw.last(), 432050000);
    // The gap of 10 MHz, where SSB is not allowed, is skipped.
    ASSERT_EQ(ssb.size(), 10);
    EXPECT_EQ(ssb[1], 7090000);
    EXPECT_EQ(ssb[2], 14285000);
    // "3,581" is in MHz, "24916" in kHz.
    ASSERT_EQ(dig.size(), 11);
    EXPECT_EQ(dig[0], 3581000);
    EXPECT_EQ(dig[6], 24916000);
    EXPECT_EQ(dig[7], 28071000);
    EXPECT_TRUE(rig::recommendedFrequencies(rules, QString()).isEmpty());
}
