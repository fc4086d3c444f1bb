#include "core/entry/LogLineActions.h"

#include "core/storage/QsoRecord.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;
using F = EntryField;

namespace {

// A portable QSO whose fields fill their columns: a first name of 14
// characters, a three-character report sent, a bonus.
const QString kFullRecord = QStringLiteral(
    "F0ABCDEFGHIJ 2A   JEAN-CHRISTOPH JN03TJ 07/12/26 09:05 DIG 432 Mhz 5NN"
    " 599 SAINT-REMY-DE-PROVENCE LE BAS  20034 JN18GU  10  2003   4  15");

QString listLineOf(const QString &record, int n)
{
    return QsoRecord::fromRecordLine(record).listLine(n);
}

QString fill(const EditLoad &load, F field)
{
    for (const FieldText &t : load.fills)
        if (t.field == field)
            return t.text;
    ADD_FAILURE() << "no fill for " << qPrintable(objectName(field));
    return {};
}

} // namespace

TEST(LogLineActions, DeleteRebuildsTheStoredRecordLineExactly)
{
    ASSERT_EQ(kFullRecord.size(), 136);
    const QString records[] = {
        kFullRecord,
        QStringLiteral("F0ABC        75   JEAN           JN18EU 12/03/08 14:05 SSB 144 Mhz 59  59  PARIS                  "
                       "        512   JN03AB  5   102    1    "),
        QStringLiteral(
            "F0XYZ             ABCDEFGHIJKLMN        01/01/00 00:00 CW  7.0 Mhz 5  "
            " 579                                      JN03AB  1          4    "),
    };
    for (const QString &record : records) {
        ASSERT_EQ(record.size(), 136) << qPrintable(record);
        const DeletePlan plan = planDelete(listLineOf(record, 12), StationKind::Fixed, QStringLiteral("JN03AB"), 3, true);
        EXPECT_TRUE(plan.message.isEmpty());
        EXPECT_EQ(plan.question, QStringLiteral("Voulez vous Supprimer ce QSO ?"));
        EXPECT_EQ(plan.recordLine, record);
        EXPECT_FALSE(plan.outingQsoCount.has_value()); // a fixed QSO never counts in an outing
    }
}

TEST(LogLineActions, DeleteLowersTheOutingCountOnlyForTheCurrentOuting)
{
    const QString line = listLineOf(kFullRecord, 3); // logged at JN18GU
    struct Case {
        StationKind kind;
        const char *portableLocator;
        qint16 count;
        std::optional<qint16> expected; // nothing: the count is left alone
    };
    const Case cases[] = {
        {StationKind::Portable, "JN18GU", 6, 5},
        {StationKind::Portable, "JN18GU", 0, -1}, // no floor: the caption shows negative counts
        {StationKind::Portable, "JN03AB", 6, std::nullopt},
        {StationKind::Portable, "jn18gu", 6, std::nullopt},
        {StationKind::Fixed, "JN18GU", 6, std::nullopt},
    };
    for (const Case &c : cases) {
        const DeletePlan plan = planDelete(line, c.kind, QString::fromUtf8(c.portableLocator), c.count, false);
        EXPECT_EQ(plan.outingQsoCount, c.expected) << c.portableLocator << ' ' << c.count;
    }
}

TEST(LogLineActions, DeleteNeverGivesTheOutingASecondBonus)
{
    // kFullRecord is a portable QSO logged at JN18GU with the bonus 15.
    QsoRecord plain = QsoRecord::fromRecordLine(kFullRecord);
    plain.Bonus.clear();
    struct Case {
        const char *name;
        QString record;
        StationKind kind;
        const char *portableLocator;
        qint16 count; // the next QSO's number: count - 1 QSOs in the outing
        bool earned;
        const char *moved;                // bonus handed to another QSO of the outing
        std::optional<bool> earnedAfter; // nothing: the outing keeps what it had
    };
    const Case cases[] = {
        {"plain QSO, outing of 5", plain.recordLine(), StationKind::Portable, "JN18GU", 6, true, "", std::nullopt},
        {"plain QSO, outing of 4", plain.recordLine(), StationKind::Portable, "JN18GU", 5, false, "", std::nullopt},
        {"bonus QSO, 5 left", kFullRecord, StationKind::Portable, "JN18GU", 7, true, "15", std::nullopt},
        {"bonus QSO, 4 left", kFullRecord, StationKind::Portable, "JN18GU", 6, true, "", false},
        {"bonus QSO, 9 left", kFullRecord, StationKind::Portable, "JN18GU", 11, true, "15", std::nullopt},
        {"earlier outing's bonus", kFullRecord, StationKind::Portable, "JN03AB", 7, true, "", std::nullopt},
        {"bonus of no outing", kFullRecord, StationKind::Portable, "JN18GU", 7, false, "", std::nullopt},
        {"fixed log", kFullRecord, StationKind::Fixed, "JN18GU", 7, true, "", std::nullopt},
    };
    for (const Case &c : cases) {
        const DeletePlan plan =
            planDelete(listLineOf(c.record, 2), c.kind, QString::fromUtf8(c.portableLocator), c.count, c.earned);
        EXPECT_EQ(plan.bonusToMove, QString::fromUtf8(c.moved)) << c.name;
        EXPECT_EQ(plan.outingBonusEarned, c.earnedAfter) << c.name;
    }
}

TEST(LogLineActions, BonusGoesToTheOutingsLastQsoWithoutOne)
{
    QsoRecord r = QsoRecord::fromRecordLine(kFullRecord);
    auto line = [&r](const char *call, const char *myLoc, const char *bonus) {
        r.Indicatif = QString::fromUtf8(call);
        r.MyLoc = QString::fromUtf8(myLoc);
        r.Bonus = QString::fromUtf8(bonus);
        return r.recordLine();
    };
    const QString a = line("F1A", "JN18GU", ""), b = line("F1B", "JN18GU", ""), old = line("F1C", "JN03AB", ""),
                  earlier = line("F1D", "JN18GU", "10");
    struct Case {
        const char *name;
        QStringList log;
        QString heir; // empty: none
    };
    const Case cases[] = {
        {"last of the outing", {a, b, old}, b},
        {"skips a line with a bonus", {a, b, earlier}, b},
        {"other locators only", {old}, {}},
        {"every line has a bonus", {earlier}, {}},
        {"empty log", {}, {}},
    };
    for (const Case &c : cases) {
        const std::optional<BonusHeir> heir = bonusHeir(c.log, QStringLiteral("JN18GU"), QStringLiteral("15"));
        ASSERT_EQ(heir.has_value(), !c.heir.isEmpty()) << c.name;
        if (!heir)
            continue;
        EXPECT_EQ(heir->oldRecordLine, c.heir) << c.name;
        QString expected = c.heir;
        expected.replace(134, 2, QStringLiteral("15"));
        EXPECT_EQ(heir->newRecordLine, expected) << c.name;
    }
}

TEST(LogLineActions, NoSelectedLine)
{
    const DeletePlan del = planDelete(QString(), StationKind::Fixed, QString(), 1, false);
    EXPECT_EQ(del.message, QStringLiteral("Cliquez sur une ligne pour l'effacer"));
    EXPECT_TRUE(del.question.isEmpty());
    EXPECT_TRUE(del.recordLine.isEmpty());
    const EditLoad edit = loadForEdit(QString(), 0);
    EXPECT_EQ(edit.message, QStringLiteral("Cliquez sur une ligne pour l'editer"));
    EXPECT_TRUE(edit.fills.isEmpty());
    EXPECT_TRUE(edit.frameCaption.isEmpty());
}

TEST(LogLineActions, EditFillsTheLineFromTheListColumns)
{
    struct Case {
        F field;
        const char *full;  // from kFullRecord
        const char *short_; // from a record with blanks in its columns
    };
    const QString sparse = QStringLiteral(
        "F0AB         7    JO             JN03TJ 7/12/26  9:05  CW  14 Mhz  5  "
        " 59  ICI                            1     JN18GU  5          1    ");
    ASSERT_EQ(sparse.size(), 136);
    const Case cases[] = {
        {F::Ind_A, "F0ABCDEFGHIJ", "F0AB"},
        {F::Dpt_A, "2A", "7"},
        {F::Prenom_A, "JEAN-CHRISTOPH", "JO"},
        {F::Loc_A, "JN03TJ", "JN03TJ"},
        {F::Date_A, "07/12/26", "7/12/26 "}, // not trimmed
        {F::Heure_A, "09:05", "9:05 "},      // not trimmed
        {F::Mode_A, "DIG", "CW"},
        {F::Bande_A, "432 Mhz", "14 Mhz"},
        {F::RST_A, "5NN", "5"},
        {F::RSTE_A, "599", "59"},
        {F::Rem_A, "SAINT-REMY-DE-PROVENCE LE BAS", "ICI"},
        {F::QRB_A, "20034", "1"},
        {F::KmW_A, "2003", ""},
        {F::Pts_A, "4", "1"},
        {F::Boni_A, "15", ""},
    };
    const EditLoad full = loadForEdit(listLineOf(kFullRecord, 7), 6);
    const EditLoad part = loadForEdit(listLineOf(sparse, 1), 0);
    ASSERT_TRUE(full.message.isEmpty());
    EXPECT_EQ(full.fills.size(), 15);
    for (const Case &c : cases) {
        EXPECT_EQ(fill(full, c.field), QString::fromUtf8(c.full)) << qPrintable(objectName(c.field));
        EXPECT_EQ(fill(part, c.field), QString::fromUtf8(c.short_)) << qPrintable(objectName(c.field));
    }
    EXPECT_EQ(full.frameCaption, QStringLiteral("Edition du QSO N° 7"));
    EXPECT_EQ(part.frameCaption, QStringLiteral("Edition du QSO N° 1"));
}

TEST(LogLineActions, NextQsoLine)
{
    EXPECT_EQ(nextQsoLine(StationKind::Fixed, 11, 4, "JN18GU", "JN03TJ"),
              QStringLiteral("QSO N° 13 depuis la station fixe en JN18GU"));
    EXPECT_EQ(nextQsoLine(StationKind::Fixed, -1, 4, "JN18GU", "JN03TJ"),
              QStringLiteral("QSO N° 1 depuis la station fixe en JN18GU"));
    EXPECT_EQ(nextQsoLine(StationKind::Portable, 11, 3, "JN18GU", "JN03TJ"),
              QStringLiteral("QSO N° 3 depuis la station portable en JN03TJ"));
    EXPECT_EQ(nextQsoLine(StationKind::Portable, 11, -1, "JN18GU", "JN03TJ"),
              QStringLiteral("QSO N°-1 depuis la station portable en JN03TJ"));
}
