#include "core/entry/EntryChain.h"

#include "support/EntryFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;
using F = EntryField;

namespace {

QString fill(const EnterOutcome &o, EntryField field, bool *present = nullptr)
{
    for (const FieldText &t : o.fills)
        if (t.field == field) {
            if (present)
                *present = true;
            return t.text;
        }
    if (present)
        *present = false;
    return {};
}

} // namespace

TEST(EntryChain, StraightOrderOfTheLine)
{
    const std::pair<F, F> steps[] = {
        {F::Ind_A, F::Prenom_A},  {F::Prenom_A, F::Loc_A}, {F::Loc_A, F::Dpt_A},   {F::Date_A, F::Heure_A},
        {F::Heure_A, F::Mode_A},  {F::Mode_A, F::Bande_A}, {F::Bande_A, F::RST_A}, {F::RST_A, F::RSTE_A},
        {F::RSTE_A, F::Rem_A},    {F::Rem_A, F::QRB_A},    {F::QRB_A, F::Valide_A},
    };
    EntryFields f = validFixedEntry();
    for (auto [from, to] : steps) {
        const EnterOutcome o = pressEnter(from, f);
        ASSERT_TRUE(o.verdict.accepted) << qPrintable(objectName(from));
        EXPECT_EQ(o.next, to) << qPrintable(objectName(from));
        EXPECT_TRUE(o.openNext) << qPrintable(objectName(from));
        EXPECT_EQ(o.confirmedLook, FieldLook::Done) << qPrintable(objectName(from));
        EXPECT_EQ(o.lookupFirstName, from == F::Ind_A) << qPrintable(objectName(from));
    }
}

TEST(EntryChain, RefusedFieldChangesNothing)
{
    EntryFields f = validFixedEntry();
    f.Pwr_F.clear();
    const EnterOutcome o = pressEnter(F::Ind_A, f);
    EXPECT_FALSE(o.verdict.accepted);
    EXPECT_EQ(o.verdict.focus, F::Pwr_F);
    EXPECT_FALSE(o.lookupFirstName);
    EXPECT_TRUE(o.fills.isEmpty());

    f = validFixedEntry();
    f.Mode_A = QStringLiteral("");
    const EnterOutcome mode = pressEnter(F::Mode_A, f);
    EXPECT_FALSE(mode.verdict.accepted);
    EXPECT_TRUE(mode.settings.isEmpty()); // a refused Enter stores no list index
}

TEST(EntryChain, DatingAfterTheDepartement)
{
    struct Case {
        bool autoDating, edit, insert;
        F next;
    };
    const Case cases[] = {
        {true, false, false, F::Mode_A}, {true, true, false, F::Date_A}, {true, false, true, F::Date_A},
        {false, false, false, F::Date_A}, {true, true, true, F::Date_A},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        f.autoDating = c.autoDating;
        f.EditMode = c.edit;
        f.InsertMode = c.insert;
        f.clockDate = QStringLiteral("07/12/26");
        f.clockTime = QStringLiteral("14:32 Utc");
        const EnterOutcome o = pressEnter(F::Dpt_A, f);
        EXPECT_EQ(o.next, c.next);
        EXPECT_TRUE(o.openNext);
        if (c.next == F::Mode_A) {
            EXPECT_EQ(o.fills, (QList<FieldText>{{F::Date_A, "07/12/26"}, {F::Heure_A, "14:32"}}));
        } else {
            EXPECT_TRUE(o.fills.isEmpty());
        }
    }
}

TEST(EntryChain, DistanceAndKmPerWattAfterTheLocator)
{
    struct Case {
        StationKind kind;
        const char *own, *power, *loc;
        const char *qrb;
        const char *kmw; // nullptr: KmW_A untouched
    };
    const Case cases[] = {
        {StationKind::Fixed, "JN18GU", "5", "JN03TJ", "612", "122"},
        {StationKind::Fixed, "JN18GU", "5", "JN18GU", "0", "0"},
        {StationKind::Fixed, "JN18GU", "5", "", "", nullptr},
        {StationKind::Fixed, "JN18GU", "0", "JN03TJ", "612", ""}, // power 0: no quotient
        {StationKind::Fixed, "JN18GU", "10", "JN18GV", "5", "0"},
        {StationKind::Portable, "JN18GU", "3", "JN18HU", "6", "2"},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        f.kind = c.kind;
        (c.kind == StationKind::Fixed ? f.L_Station : f.L_Station_P) = QString::fromUtf8(c.own);
        (c.kind == StationKind::Fixed ? f.Pwr_F : f.Pwr_P) = QString::fromUtf8(c.power);
        f.Loc_A = QString::fromUtf8(c.loc);
        f.KmW_A = QStringLiteral("77");
        const EnterOutcome o = pressEnter(F::Loc_A, f);
        ASSERT_TRUE(o.verdict.accepted) << c.loc;
        bool hasQrb = false, hasKmw = false;
        EXPECT_EQ(fill(o, F::QRB_A, &hasQrb), QString::fromUtf8(c.qrb)) << c.loc;
        EXPECT_TRUE(hasQrb) << c.loc;
        const QString kmw = fill(o, F::KmW_A, &hasKmw);
        EXPECT_EQ(hasKmw, c.kmw != nullptr) << c.loc;
        if (c.kmw) {
            EXPECT_EQ(kmw, QString::fromUtf8(c.kmw)) << c.loc;
        }
    }
}

TEST(EntryChain, ScoringAfterTheDistance)
{
    struct Case {
        StationKind kind;
        const char *callsign;
        qint16 count;
        int month;
        bool edit;
        const char *qrb;
        const char *kmw; // nullptr: untouched
        const char *points;
        const char *bonus; // nullptr: untouched
        F next;
    };
    const Case cases[] = {
        {StationKind::Fixed, "F0ABC", 5, 1, false, "512", "102", "1", nullptr, F::Valide_A},
        {StationKind::Fixed, "F0ABC/P", 5, 1, false, "512", "102", "4", nullptr, F::Valide_A},
        {StationKind::Fixed, "F0ABC/PX", 1, 1, false, "", nullptr, "1", nullptr, F::Valide_A},
        {StationKind::Portable, "F0ABC", 5, 1, false, "99", "33", "4", "15", F::Valide_A},
        {StationKind::Portable, "F0ABC", 5, 6, false, "99", "33", "4", "10", F::Valide_A},
        {StationKind::Portable, "F0ABC", 5, 11, false, "99", "33", "4", "15", F::Valide_A},
        {StationKind::Portable, "F0ABC", 5, 2, false, "99", "33", "4", "15", F::Valide_A},
        {StationKind::Portable, "F0ABC", 5, 3, false, "99", "33", "4", "10", F::Valide_A},
        {StationKind::Portable, "F0ABC", 4, 1, false, "99", "33", "4", nullptr, F::Valide_A},
        // An edited QSO keeps its own bonus: the outing's is not proposed.
        {StationKind::Portable, "F0ABC", 5, 6, true, "99", "33", "4", nullptr, F::Pts_A},
        {StationKind::Portable, "F0ABC", 6, 1, false, "99", "33", "4", nullptr, F::Valide_A},
        {StationKind::Fixed, "F0ABC", 1, 1, true, "612", "122", "1", nullptr, F::Pts_A},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        f.kind = c.kind;
        f.Ind_A = QString::fromUtf8(c.callsign);
        f.OutingQsoCount = c.count;
        f.OutingBonusEarned = c.count > 5; // an outing as it runs: its bonus went to its fifth QSO
        f.currentMonth = c.month;
        f.EditMode = c.edit;
        f.QRB_A = QString::fromUtf8(c.qrb);
        const EnterOutcome o = pressEnter(F::QRB_A, f);
        const std::string where = std::string(c.callsign) + " count " + std::to_string(c.count) + " month " +
                                  std::to_string(c.month);
        ASSERT_TRUE(o.verdict.accepted) << where;
        bool has = false;
        QString kmw = fill(o, F::KmW_A, &has);
        EXPECT_EQ(has, c.kmw != nullptr) << where;
        if (c.kmw) {
            EXPECT_EQ(kmw, QString::fromUtf8(c.kmw)) << where;
        }
        EXPECT_EQ(fill(o, F::Pts_A), QString::fromUtf8(c.points)) << where;
        const QString bonus = fill(o, F::Boni_A, &has);
        EXPECT_EQ(has, c.bonus != nullptr) << where;
        if (c.bonus) {
            EXPECT_EQ(bonus, QString::fromUtf8(c.bonus)) << where;
        }
        EXPECT_EQ(o.next, c.next) << where;
    }
}

TEST(EntryChain, EditModeOpensPointsThenBonusThenValidation)
{
    EntryFields f = validFixedEntry();
    f.EditMode = true;
    f.Pts_A = QStringLiteral("4");
    f.Boni_A = QStringLiteral("15");
    EXPECT_EQ(pressEnter(F::Pts_A, f).next, F::Boni_A);
    const EnterOutcome o = pressEnter(F::Boni_A, f);
    EXPECT_EQ(o.next, F::Valide_A);
    EXPECT_TRUE(o.openNext);
}

TEST(EntryChain, ModeAndBandStoreTheirIndexOnEnterOutsideEditing)
{
    EntryFields f = validFixedEntry();
    f.Mode_A = QStringLiteral("CW");
    EXPECT_EQ(pressEnter(F::Mode_A, f).settings, (QList<SettingWrite>{{"Mode Utilise", "1"}}));
    EXPECT_EQ(pressEnter(F::Bande_A, f).settings, (QList<SettingWrite>{{"bande Utilisee", "10"}}));
    f.EditMode = true;
    EXPECT_TRUE(pressEnter(F::Mode_A, f).settings.isEmpty());
    EXPECT_TRUE(pressEnter(F::Bande_A, f).settings.isEmpty());
}

TEST(EntryChain, StationFields)
{
    EntryFields f = validFixedEntry();
    f.Pwr_F = QStringLiteral("7");
    const EnterOutcome fixed = pressEnter(F::Pwr_F, f);
    EXPECT_EQ(fixed.settings, (QList<SettingWrite>{{"Pwr Fixe", "7"}}));
    EXPECT_EQ(fixed.next, F::Ind_A);
    EXPECT_FALSE(fixed.openNext);
    EXPECT_EQ(fixed.confirmedLook, FieldLook::Unchanged);

    f.L_Station_P = QStringLiteral("JN18GU");
    f.OutingQsoCount = 9;
    const EnterOutcome outing = pressEnter(F::L_Station_P, f);
    EXPECT_EQ(outing.settings,
              (QList<SettingWrite>{{"Locator Portable", "JN18GU"}, {"Bonus", "1"}, {"Bonus Sortie", "False"}}));
    EXPECT_EQ(outing.outingQsoCount, std::optional<qint16>(1));
    EXPECT_EQ(outing.next, F::Pwr_P);
    EXPECT_TRUE(outing.openNext);
    EXPECT_EQ(outing.confirmedLook, FieldLook::Neutral);

    f.Pwr_P = QStringLiteral("");
    const EnterOutcome power = pressEnter(F::Pwr_P, f);
    EXPECT_EQ(power.settings, (QList<SettingWrite>{{"Pwr Portable", ""}}));
    EXPECT_EQ(power.enableLabels, (QStringList{"Label15", "Label18", "Label20"}));
    EXPECT_EQ(power.next, F::Ind_A);
    EXPECT_FALSE(power.openNext);
    EXPECT_EQ(power.confirmedLook, FieldLook::Neutral);

    f.Pwr_P = QStringLiteral("11");
    const EnterOutcome tooHigh = pressEnter(F::Pwr_P, f);
    EXPECT_FALSE(tooHigh.verdict.accepted);
    EXPECT_TRUE(tooHigh.settings.isEmpty());
}
