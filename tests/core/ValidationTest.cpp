#include "core/entry/Validation.h"

#include "core/entry/Scoring.h"
#include "core/storage/QsoRecord.h"
#include "support/EntryFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;

namespace {

// The record line of the log files' reference example.
const QString kExampleRecord = QStringLiteral(
    "F0ABC        75   JEAN           JN18EU 12/03/08 14:05 SSB 144 Mhz 59  59  PARIS                          512   JN03AB  5   102    1    ");

EntryFields exampleEntry()
{
    EntryFields f = validFixedEntry();
    f.Prenom_A = QStringLiteral("jean"); // typed in lower case by a paste: the validation capitalises it
    f.Loc_A = QStringLiteral("JN18EU");
    f.QRB_A = QStringLiteral("512");
    f.L_Station = QStringLiteral("JN03AB");
    f.Pwr_F = QStringLiteral("5");
    return f;
}

} // namespace

TEST(Validation, RecordLineOfANewFixedQsoByteForByte)
{
    const ValidationPlan plan = planValidation(exampleEntry());
    ASSERT_TRUE(plan.verdict.accepted) << qPrintable(plan.verdict.message);
    EXPECT_EQ(plan.question, QStringLiteral("Voulez vous enregistrer ces données ?"));
    EXPECT_EQ(plan.prenom, QStringLiteral("JEAN"));
    EXPECT_EQ(plan.recordLine, kExampleRecord);
    EXPECT_EQ(plan.store, StoreAction::Append);
    EXPECT_FALSE(plan.outingQsoCount.has_value());
}

TEST(Validation, FirstNameLine)
{
    struct Case {
        const char *callsign, *dpt, *prenom, *line;
    };
    const Case cases[] = {
        {"F0ABC", "29", "Yves", "F0ABC        29 YVES"},
        {"F0ABC", "", "", "F0ABC           "},
        {"F0ABCDEFGHIJ", "2A", "héloïse", "F0ABCDEFGHIJ 2A HÉLOÏSE"},
        {"F0ABC", "7", "µße", "F0ABC        7  µßE"},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        f.Ind_A = QString::fromUtf8(c.callsign);
        f.Dpt_A = QString::fromUtf8(c.dpt);
        f.Prenom_A = QString::fromUtf8(c.prenom);
        const ValidationPlan plan = planValidation(f);
        ASSERT_TRUE(plan.verdict.accepted) << c.callsign;
        EXPECT_EQ(plan.firstNameLine, QString::fromUtf8(c.line)) << c.callsign;
    }
}

TEST(Validation, ScoringOfNewAndEditedQsos)
{
    struct Case {
        const char *name;
        StationKind kind;
        const char *callsign;
        qint16 count;
        int month;
        bool edit;
        const char *pts, *boni; // typed, used when editing
        const char *tail;       // record columns 121-136: power, km/W, points, bonus
        int newCount;           // -1: unchanged
    };
    const Case cases[] = {
        {"fixed", StationKind::Fixed, "F0ABC", 5, 1, false, "", "", "5   122    1    ", -1},
        {"fixed to /P", StationKind::Fixed, "F0ABC/P", 5, 1, false, "", "", "5   122    4    ", -1},
        {"portable 1st", StationKind::Portable, "F0ABC", 1, 3, false, "", "", "3   204    4    ", 2},
        {"portable 4th", StationKind::Portable, "F0ABC", 4, 3, false, "", "", "3   204    4    ", 5},
        {"portable 5th March", StationKind::Portable, "F0ABC", 5, 3, false, "", "", "3   204    4  10", 6},
        {"portable 5th December", StationKind::Portable, "F0ABC", 5, 12, false, "", "", "3   204    4  15", 6},
        {"portable 6th", StationKind::Portable, "F0ABC", 6, 12, false, "", "", "3   204    4    ", 7},
        {"portable saturates", StationKind::Portable, "F0ABC", 32767, 3, false, "", "", "3   204    4    ", 32767},
        {"edited fixed", StationKind::Fixed, "F0ABC", 5, 1, true, "4", "15", "5   122    4  15", -1},
        {"edited portable", StationKind::Portable, "F0ABC", 5, 1, true, "1", "", "3   204    1    ", -1},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry(); // QRB 612
        f.kind = c.kind;
        f.Ind_A = QString::fromUtf8(c.callsign);
        f.OutingQsoCount = c.count;
        f.OutingBonusEarned = c.count > 5; // an outing as it runs: its bonus went to its fifth QSO
        f.currentMonth = c.month;
        f.EditMode = c.edit;
        f.Pts_A = QString::fromUtf8(c.pts);
        f.Boni_A = QString::fromUtf8(c.boni);
        const ValidationPlan plan = planValidation(f);
        ASSERT_TRUE(plan.verdict.accepted) << c.name << ' ' << qPrintable(plan.verdict.message);
        ASSERT_EQ(plan.recordLine.size(), 136) << c.name;
        EXPECT_EQ(plan.recordLine.mid(112, 6), f.ownLocator()) << c.name;
        EXPECT_EQ(plan.recordLine.mid(120), QString::fromUtf8(c.tail)) << c.name;
        EXPECT_EQ(plan.outingQsoCount.value_or(-1), c.newCount) << c.name;
    }
}

TEST(Validation, AnOutingKeepsOneBonusThroughNewAndEditedQsos)
{
    const QString outing = QStringLiteral("JN03AB");
    struct Case {
        const char *name;
        bool edit, earned;
        qint16 count;
        const char *oldMyLoc, *oldBonus, *boni; // the edited line, Boni_A as typed
        bool accepted;
        std::optional<bool> earnedAfter;
    };
    const Case cases[] = {
        {"new 5th QSO", false, false, 5, "", "", "", true, true},
        {"new QSO after the bonus", false, true, 5, "", "", "", true, std::nullopt},
        {"new QSO, bonus lost by a delete", false, false, 7, "", "", "", true, true},
        {"edit adds a second bonus", true, true, 7, "JN03AB", "", "10", false, std::nullopt},
        {"edit of an earlier outing adds one", true, true, 7, "JN18GU", "", "15", false, std::nullopt},
        {"edit corrects the bonus", true, true, 7, "JN03AB", "10", "15", true, std::nullopt},
        {"edit keeps the line as it was", true, true, 7, "JN03AB", "", "", true, std::nullopt},
        {"edit gives the outing its bonus", true, false, 4, "JN03AB", "", "10", true, true},
        {"edit takes the outing's bonus off", true, true, 7, "JN03AB", "10", "", true, false},
        {"edit takes an earlier bonus off", true, true, 7, "JN18GU", "10", "", true, std::nullopt},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        f.kind = StationKind::Portable;
        f.L_Station_P = outing;
        f.EditMode = c.edit;
        f.OutingBonusEarned = c.earned;
        f.OutingQsoCount = c.count;
        f.currentMonth = 6;
        f.Pts_A = QStringLiteral("4");
        f.Boni_A = QString::fromUtf8(c.boni);
        QsoRecord old = QsoRecord::fromRecordLine(kExampleRecord);
        old.MyLoc = QString::fromUtf8(c.oldMyLoc);
        old.Bonus = QString::fromUtf8(c.oldBonus);
        f.EditedLogLine = old.listLine(3);
        const ValidationPlan plan = planValidation(f);
        EXPECT_EQ(plan.verdict.accepted, c.accepted) << c.name;
        if (!c.accepted) {
            EXPECT_EQ(plan.verdict.focus, EntryField::Boni_A) << c.name;
            EXPECT_EQ(plan.verdict.message, QStringLiteral("Un seul bonus par sortie : cette sortie a deja le sien"));
            EXPECT_EQ(checkField(EntryField::Boni_A, f).message, plan.verdict.message) << c.name;
            continue;
        }
        EXPECT_EQ(plan.outingBonusEarned, c.earnedAfter) << c.name;
    }
}

TEST(Validation, KmPerWattGapsKeepTheirColumns)
{
    struct Case {
        const char *qrb, *power, *kmwColumns;
    };
    const Case cases[] = {
        {"512", "5", "102  "}, {"99", "10", "9    "}, {"", "5", "     "}, {"20034", "1", "20034"},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        f.QRB_A = QString::fromUtf8(c.qrb);
        f.Pwr_F = QString::fromUtf8(c.power);
        f.KmW_Max = QStringLiteral("0");
        const ValidationPlan plan = planValidation(f);
        ASSERT_TRUE(plan.verdict.accepted) << c.qrb;
        EXPECT_EQ(plan.recordLine.mid(124, 5), QString::fromUtf8(c.kmwColumns)) << c.qrb << '/' << c.power;
        EXPECT_EQ(plan.alarm.fires, !QString::fromUtf8(c.kmwColumns).trimmed().isEmpty()) << c.qrb;
    }
}

TEST(Validation, BestKmPerWattAlarm)
{
    const QString fixedText = QStringLiteral(
        "    Attention Nouveau meilleur Km/W : 103\r\n\r\n   Quand le PC sera connecté sur internet\r\n"
        "cliquez sur le bouton rouge pour mettre a jour\r\n votre classement 'Chasseurs' ou 'Activateurs'");
    const QString portableText = QStringLiteral(
        "Attention Nouveau meilleur Km/W : 103\r\n\r\nQuand le PC sera connecté sur internet\r\n"
        "cliquez sur le bouton rouge pour mettre a jour\r\nvotre classement 'Chasseurs' ou 'Activateurs'");
    struct Case {
        StationKind kind;
        const char *qrb, *best;
        bool fires;
    };
    const Case cases[] = {
        {StationKind::Fixed, "510", "102", false},  // 102
        {StationKind::Fixed, "515", "102", true},   // 103
        {StationKind::Fixed, "515", "", true},      // a missing best counts 0
        {StationKind::Fixed, "515", " 200", false},
        {StationKind::Portable, "309", "102", true}, // 309 / 3 = 103
        {StationKind::Portable, "306", "102", false},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        f.kind = c.kind;
        f.QRB_A = QString::fromUtf8(c.qrb);
        f.KmW_Max = QString::fromUtf8(c.best);
        const ValidationPlan plan = planValidation(f);
        EXPECT_EQ(plan.alarm.fires, c.fires) << c.qrb << ' ' << c.best;
        if (!c.fires)
            continue;
        const bool fixed = c.kind == StationKind::Fixed;
        EXPECT_EQ(plan.alarm.text, fixed ? fixedText : portableText);
        EXPECT_EQ(plan.alarm.settingKey, fixed ? QStringLiteral("Meilleur KmW_F") : QStringLiteral("Meilleur KmW_P"));
    }
}

TEST(Validation, StoreActionFollowsTheMode)
{
    const QString listLine = QsoRecord::fromRecordLine(kExampleRecord).listLine(7);
    struct Case {
        bool edit, insert;
        StoreAction store;
    };
    const Case cases[] = {{false, false, StoreAction::Append},
                          {false, true, StoreAction::InsertByDate},
                          {true, false, StoreAction::Replace},
                          {true, true, StoreAction::Replace}};
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        f.EditMode = c.edit;
        f.InsertMode = c.insert;
        f.Pts_A = QStringLiteral("1");
        f.EditedLogLine = listLine;
        const ValidationPlan plan = planValidation(f);
        EXPECT_EQ(plan.store, c.store);
        EXPECT_EQ(plan.oldRecordLine, c.edit ? kExampleRecord : QString());
    }
}

TEST(Validation, AFieldChangedAfterItsEnterStopsTheValidation)
{
    struct Case {
        const char *name;
        std::function<void(EntryFields &)> set;
        EntryField focus;
        const char *message;
    };
    const Case cases[] = {
        {"callsign", [](EntryFields &f) { f.Ind_A = "F0ABCDEFGHIJK"; }, EntryField::Ind_A,
         "12 caracteres maxi pour l'indicatif"},
        {"power erased", [](EntryFields &f) { f.Pwr_F.clear(); }, EntryField::Pwr_F,
         "Entrez la puissance de l'emetteur"},
        {"QTH", [](EntryFields &f) { f.Rem_A = "МОСКВА"; }, EntryField::Rem_A, "Caractere non admis dans le QTH : М"},
        {"portable locator", [](EntryFields &f) { f.kind = StationKind::Portable; f.L_Station_P = "JN03"; },
         EntryField::L_Station_P, "6 caracteres pour le locator"},
        {"points while editing", [](EntryFields &f) { f.EditMode = true; f.Pts_A = "2"; }, EntryField::Pts_A,
         "1 ou 4 points seulement"},
    };
    for (const Case &c : cases) {
        EntryFields f = validFixedEntry();
        c.set(f);
        const ValidationPlan plan = planValidation(f);
        EXPECT_FALSE(plan.verdict.accepted) << c.name;
        EXPECT_EQ(plan.verdict.focus, c.focus) << c.name;
        EXPECT_EQ(plan.verdict.message, QString::fromUtf8(c.message)) << c.name;
        EXPECT_TRUE(plan.question.isEmpty()) << c.name;
        EXPECT_TRUE(plan.recordLine.isEmpty()) << c.name;
    }
    // Points typed on a new QSO are not read: the scoring gives them.
    EntryFields f = validFixedEntry();
    f.Pts_A = QStringLiteral("2");
    EXPECT_TRUE(planValidation(f).verdict.accepted);
}

// The rules allow 5 W in CW and the digital modes, 10 W in phone, fixed and portable alike.
TEST(Validation, PowerAboveWhatTheModeAllowsIsQuestioned)
{
    const struct {
        const char *mode, *power;
        StationKind kind;
        bool asked;
    } cases[] = {
        {"CW", "5", StationKind::Fixed, false},   {"CW", "7", StationKind::Fixed, true},
        {"DIG", "6", StationKind::Portable, true}, {"DIG", "4", StationKind::Portable, false},
        {"SSB", "10", StationKind::Fixed, false}, {"SSB", "7", StationKind::Portable, false},
        {"FT8", "6", StationKind::Fixed, true},  {"usb", "8", StationKind::Fixed, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + c.power);
        EntryFields f = validFixedEntry();
        f.kind = c.kind;
        f.Mode_A = QString::fromLatin1(c.mode);
        (c.kind == StationKind::Fixed ? f.Pwr_F : f.Pwr_P) = QString::fromLatin1(c.power);
        const ValidationPlan plan = planValidation(f);
        ASSERT_TRUE(plan.verdict.accepted) << plan.verdict.message.toStdString();
        EXPECT_EQ(plan.powerQuestion.isEmpty(), !c.asked);
    }
    EXPECT_EQ(powerRuleQuestion(), "Le règlement limite la puissance à 5 W en CW et en DIGI : enregistrer ce QSO quand même ?");
}
