#include "core/entry/KeyFilter.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;

namespace {

struct KeyCase {
    EntryField field;
    int key;
    int passed;      // 0: discarded
    bool message;    // "Que des chiffres pour la puissance"
    bool runsEnter;
};

} // namespace

TEST(EntryKeyFilter, CaseRuleAndDigitRule)
{
    const KeyCase cases[] = {
        {EntryField::Ind_A, 'f', 'F', false, false},
        {EntryField::Ind_A, 'z', 'Z', false, false},
        {EntryField::Ind_A, 'a', 'A', false, false},
        {EntryField::Ind_A, '0', '0', false, false},
        {EntryField::Ind_A, '/', '/', false, false},
        {EntryField::Prenom_A, 0xE9 /* é */, 0xE9, false, false},
        {EntryField::Prenom_A, 0xE7 /* ç */, 0xE7, false, false},
        {EntryField::Loc_A, 'j', 'J', false, false},
        {EntryField::Mode_A, 'c', 'C', false, false},
        {EntryField::Bande_A, 'm', 'M', false, false},
        {EntryField::Rem_A, '{', '{', false, false},
        {EntryField::L_Station_P, 'n', 'N', false, false},
        {EntryField::Boni_A, KeyEnter, KeyEnter, false, true},
        {EntryField::Ind_A, KeyBackspace, KeyBackspace, false, false},
        {EntryField::KmW_A, 'a', 'a', false, false},
        {EntryField::Pwr_F, '7', '7', false, false},
        {EntryField::Pwr_P, '0', '0', false, false},
        {EntryField::Pwr_F, KeyEnter, KeyEnter, false, true},
        {EntryField::Pwr_F, 'a', 0, true, false},
        {EntryField::Pwr_F, 'A', 0, true, false},
        {EntryField::Pwr_P, KeyBackspace, KeyBackspace, false, false}, // an editing key, not a character
        {EntryField::Pwr_P, '.', 0, true, false},
        {EntryField::Pwr_P, ' ', 0, true, false},
    };
    for (const KeyCase &c : cases) {
        const KeyVerdict v = filterKey(c.field, c.key, false);
        const QString where = objectName(c.field) + u' ' + QString::number(c.key);
        EXPECT_EQ(v.key, c.passed) << qPrintable(where);
        EXPECT_EQ(v.emptyField, c.message) << qPrintable(where);
        EXPECT_EQ(v.message, c.message ? QStringLiteral("Que des chiffres pour la puissance") : QString())
            << qPrintable(where);
        EXPECT_EQ(v.runEnterRule, c.runsEnter) << qPrintable(where);
    }
}

TEST(EntryKeyFilter, FirstRunShowsTheInstallMessageForEveryKeyOfTheCallsign)
{
    const QString expected = QStringLiteral("\r\n         Premiere installation, vous devez entrer votre Indicatif"
                                            "\r\n\r\nPour cela dans la barre des menus allez dans Station puis "
                                            "Nouvel Indicatif.");
    EXPECT_EQ(firstRunMessage(), expected);
    for (int key : {int('f'), int('F'), KeyEnter, KeyBackspace}) {
        const KeyVerdict v = filterKey(EntryField::Ind_A, key, true);
        EXPECT_EQ(v.message, expected) << key;
        EXPECT_EQ(v.key, key) << key; // not upper-cased
        EXPECT_FALSE(v.runEnterRule) << key;
        EXPECT_FALSE(v.emptyField) << key;
    }
    // Only the callsign field knows the first run.
    EXPECT_EQ(filterKey(EntryField::Prenom_A, 'f', true).key, 'F');
    EXPECT_TRUE(filterKey(EntryField::Prenom_A, 'f', true).message.isEmpty());
}

TEST(EntryKeyFilter, PastedTextFollowsTheCaseRule)
{
    EXPECT_EQ(upperCaseText(QStringLiteral("f0abc/p")), QStringLiteral("F0ABC/P"));
    EXPECT_EQ(upperCaseText(QStringLiteral("héloïse")), QStringLiteral("HéLOïSE"));
}

TEST(EntryKeyFilter, ModeAndBandRememberTheirListIndexUnlessEditing)
{
    struct Case {
        EntryField field;
        const char *text;
        bool edit;
        const char *key; // nullptr: nothing stored
        const char *value;
    };
    const Case cases[] = {
        {EntryField::Mode_A, "SSB", false, "Mode Utilise", "0"},
        {EntryField::Mode_A, "DIG", false, "Mode Utilise", "2"},
        {EntryField::Mode_A, "FT8", false, "Mode Utilise", "-1"},
        {EntryField::Mode_A, "ssb", false, "Mode Utilise", "-1"},
        {EntryField::Bande_A, "1.8 Mhz", false, "bande Utilisee", "0"},
        {EntryField::Bande_A, "432 Mhz", false, "bande Utilisee", "11"},
        {EntryField::Bande_A, "", false, "bande Utilisee", "-1"},
        {EntryField::Mode_A, "CW", true, nullptr, nullptr},
        {EntryField::Bande_A, "14 Mhz", true, nullptr, nullptr},
        {EntryField::Ind_A, "SSB", false, nullptr, nullptr},
    };
    for (const Case &c : cases) {
        const auto w = rememberedListIndex(c.field, QString::fromUtf8(c.text), c.edit);
        ASSERT_EQ(w.has_value(), c.key != nullptr) << c.text;
        if (w) {
            EXPECT_EQ(w->key, QString::fromUtf8(c.key));
            EXPECT_EQ(w->value, QString::fromUtf8(c.value));
        }
    }
}
