#include "core/storage/SettingsKeys.h"
#include "core/storage/StationIdentity.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

using namespace pendrel;

TEST(StationIdentity, StoredCallsignThatCouldNameAPathIsNoCallsign)
{
    const struct {
        const char *stored; // nullptr: absent
        const char *read;
    } cases[] = {
        {nullptr, "FXXXX"},  {"F0ABC", "F0ABC"}, {"F0ABC_P", "F0ABC_P"}, {"../x", "FXXXX"}, {"a/b", "FXXXX"},
        {"A\\B", "FXXXX"},   {"..", "FXXXX"},    {"", "FXXXX"},          {"f0abc", "FXXXX"}, {"F0 ABC", "FXXXX"},
        {"F0ABCDEFGHIJK", "FXXXX"}, {"F0ABCDEFGHIJ", "F0ABCDEFGHIJ"},   {"F0SS\n", "FXXXX"},
    };
    for (const auto &c : cases) {
        MemorySettingsStore settings;
        if (c.stored)
            settings.write(settings::GlobalSection, settings::IndicatifStation, QString::fromUtf8(c.stored));
        EXPECT_EQ(readStoredCallsign(settings), QString::fromUtf8(c.read)) << (c.stored ? c.stored : "<absent>");
        if (c.stored) {
            EXPECT_EQ(isStoredCallsignValid(QString::fromUtf8(c.stored)), std::string(c.read) != "FXXXX")
                << c.stored;
        }
    }
}
