#include "core/storage/SettingsKeys.h"
#include "core/storage/StationIdentity.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

using namespace pendrel;

TEST(StationIdentity, TypedTextIsCheckedAsTyped)
{
    const QString characters =
        QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
    const struct {
        const char *typed, *upper, *message;
    } cases[] = {
        {"f0abc_p", "F0ABC_P", ""},
        {"f0ß", "F0ß", "characters"},        // not F0SS
        {"ﬀ1abc", "ﬀ1ABC", "characters"},    // not FF1ABC
        {"f0ı", "F0ı", "characters"},        // not F0I
        {"f0é", "F0é", "characters"},
        {"ｆ0abc", "ｆ0ABC", "characters"},  // a full-width letter stays one
        {"f0abcdefghiß", "F0ABCDEFGHIß", "characters"}, // 12 as typed, 13 once mapped
        {"f0abcdefghijk", "F0ABCDEFGHIJK", "12 caracteres maximum pour l'indicatif"},
    };
    for (const auto &c : cases) {
        const QString upper = typedIdentityUpper(QString::fromUtf8(c.typed));
        EXPECT_EQ(upper, QString::fromUtf8(c.upper)) << c.typed;
        const QString expected = std::string(c.message) == "characters" ? characters : QString::fromUtf8(c.message);
        EXPECT_EQ(checkStationCallsign(upper).message, expected) << c.typed;
    }
    // The locator: "jn18ﬀ" stays five characters, "jn18gı" keeps a letter outside A-Z.
    EXPECT_EQ(checkStationLocator(typedIdentityUpper(QString::fromUtf8("jn18ﬀ"))).message,
              QStringLiteral("Le locator doit comporter 6 caracteres"));
    EXPECT_EQ(checkStationLocator(typedIdentityUpper(QString::fromUtf8("jn18gı"))).message,
              QStringLiteral("Erreur dans la saisie du locator"));
    EXPECT_TRUE(checkStationLocator(typedIdentityUpper(QStringLiteral("jn18gu"))).accepted());
}

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
