#include "core/labels/LabelLayout.h"
#include "core/labels/LabelSettings.h"
#include "core/storage/QsoRecord.h"
#include "platform/fake/FakePlatform.h"
#include "support/QtPrinters.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace pendrel;
using namespace pendrel::labels;

namespace {

// A log list line numbered n with the fields a label prints.
QString qsoLine(int n, const QString &call, const QString &band = "144 Mhz", const QString &pwr = "5")
{
    QsoRecord r;
    r.Indicatif = call; r.Dpt = "29"; r.Prenom = "YVES"; r.Loc = "IN88GS"; r.Date = "14/07/26"; r.QTR = "09:42";
    r.Mode = "CW"; r.QRG = band; r.RstR = "579"; r.RstE = "559"; r.QRB = "412"; r.MyLoc = "JN18DQ"; r.Pwr = pwr;
    r.KmW = "82"; r.Pts = "1";
    return r.listLine(n);
}

QStringList qsoLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << qsoLine(i, QStringLiteral("F%1ABC").arg(i % 10));
    return lines;
}

LabelJob job(int format, bool french, const QStringList &lines = {}, bool stop = false)
{
    LabelJob j;
    j.format = format;
    j.french = french;
    j.ownCallsign = "F5KQR";
    j.transceiver = " FT817 ";
    j.antenna = "Delta";
    j.qsoLines = lines;
    j.stopEachSheet = stop;
    return j;
}

int countOf(const QStringList &lines, const QString &text) { return int(lines.count(text)); }
int countStarting(const QStringList &lines, const QString &prefix)
{
    return int(std::count_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(prefix); }));
}

} // namespace

TEST(LabelLayout, OneRowInFrenchOnTheFirstStock)
{
    const QString right = qsoLine(2, "G4XYZ", "7.0 Mhz", "10");
    const QStringList lines = rowLines(job(1, true), qsoLine(1, "F6ABC"), &right);
    const QStringList expected = {
        "      De F5KQR pour F6ABC      " "      De F5KQR pour G4XYZ",
        "      Date 14/07/26   Time 09:42 UTC       " "      Date 14/07/26   Time 09:42 UTC      ",
        "     Bande 144 Mhz  RST 559  Mode CW       " "     Bande 7.0 Mhz  RST 559  Mode CW ",
        "  TX FT817    Pwr 5 W  Ant Delta           " "  TX FT817    Pwr 10W  Ant Delta        ",
        "  Activité QRP en JN18DQ QSL: Pse_  Tnx_   " "  Activité QRP en JN18DQ QSL: Pse_  Tnx_",
    };
    EXPECT_EQ(lines, expected);
}

TEST(LabelLayout, NamesLineIsCentredOrKeepsItsColumnWhenTooLong)
{
    const struct {
        int format;
        bool french;
        QString own, call, left, rightStart;
    } cases[] = {
        // L = 18, pad 6, r = 1: one blank between the callsigns.
        {1, true, "F5KQR", "F6ABC", "      De F5KQR pour F6ABC      ", "      De F5KQR pour "},
        // L = 17, pad 7, r = 0: pad 6 and two blanks.
        {1, true, "F5KQR", "F6AB", "      De F5KQR  pour F6AB      ", "      De F5KQR  pour "},
        {2, false, "F5KQR/P", "G4XYZ", "     From F5KQR/P to G4XYZ     ", "     From F5KQR/P to "},
        // Format 4: 29 wide, its own words, a left part of 30.
        {4, true, "F5KQR", "F6ABC", "      De F5KQR pour F6ABC     ", "      De F5KQR pour "},
        {4, false, "F5KQR", "F6AB", "      From F5KQR  to F6AB     ", "       From F5KQR  to "},
        // 29 characters of names and words on stocks 1-3: no padding, still centred.
        {3, false, "F5KQRXY/P", "OK1ABCDEFGHI", "From F5KQRXY/P  to OK1ABCDEFGHI", "From F5KQRXY/P  to "},
        // Too long to centre: no padding, cut at the label's width.
        {1, true, "DL/F5KQRXY/P", "OK1ABCDEFGHI", "De DL/F5KQRXY/P pour OK1ABCDEFG", "De DL/F5KQRXY/P pour "},
        {4, true, "F5KQRXY/P", "OK1ABCDEFGHI", " De F5KQRXY/P pour OK1ABCDEFGH", " De F5KQRXY/P pour "},
    };
    for (const auto &t : cases) {
        LabelJob j = job(t.format, t.french);
        j.ownCallsign = t.own;
        const QString line = qsoLine(1, t.call);
        const QString names = rowLines(j, line, &line).first();
        const int width = t.format == 4 ? 30 : 31;
        EXPECT_EQ(names.left(width), t.left) << t.own.toStdString() << " " << t.call.toStdString();
        EXPECT_TRUE(names.mid(width).startsWith(t.rightStart)) << names.toStdString();
    }
}

TEST(LabelLayout, RightLabelsStartInOneColumnOnEveryStock)
{
    // The left part of each 11-point line: 43 columns on stocks 1-3; on stock 4
    // the date and band parts are 42 and the TX and title parts 43.
    const struct {
        int format;
        QList<int> widths;
        QStringList rightStarts;
    } cases[] = {
        {1, {43, 43, 43, 43}, {"      Date ", "     Ban", "  TX ", "  "}},
        {2, {43, 43, 43, 43}, {"      Date ", "     Ban", "  TX ", "  "}},
        {3, {43, 43, 43, 43}, {"      Date ", "     Ban", "  TX ", "  "}},
        {4, {42, 42, 43, 43}, {"     Date ", "    Ban", " TX ", " "}},
    };
    for (const auto &t : cases) {
        for (bool french : {true, false}) {
            const QString left = qsoLine(1, "F6ABC"), right = qsoLine(2, "EA3XYZ");
            const QStringList lines = rowLines(job(t.format, french), left, &right);
            ASSERT_EQ(lines.size(), 5);
            for (int i = 0; i < 4; ++i) {
                const QString rightPart = lines[i + 1].mid(t.widths[i]);
                EXPECT_TRUE(rightPart.startsWith(t.rightStarts[i]))
                    << t.format << french << " line " << i << ": " << lines[i + 1].toStdString();
            }
        }
    }
}

TEST(LabelLayout, OddLastRowKeepsTheFixedWordsOfTheEmptyLabel)
{
    const QStringList lines = rowLines(job(1, false), qsoLine(3, "F6ABC"), nullptr);
    EXPECT_EQ(lines[0].mid(31), "        From F5KQR  to ");
    EXPECT_EQ(lines[1].mid(43), "      Date    Time  UTC      ");
    EXPECT_EQ(lines[2].mid(43), "     Band    RST   Mode ");
    EXPECT_EQ(lines[3].mid(43), "  TX FT817    Pwr W  Ant Delta        ");
    EXPECT_EQ(lines[4].mid(43), "  QRP activity in  QSL: Pse_  Tnx_");
}

TEST(LabelLayout, RowSpacingOfEachStock)
{
    const QString names = "L 15 B ";
    const struct {
        int format;
        QStringList top;
        QString afterNames, beforeTx, betweenRows;
    } cases[] = {
        {1, {"B 10", "B 10", "B 8"}, "B 9", "B 10", "B 10"},
        {2, {"B 10", "B 10", "B 8"}, "B 9", "B 10", "B 10"},
        {3, {}, "B 5", "B 5", "B 27"},
        {4, {"B 10", "B 10"}, "B 9", "B 10", "B 13"},
    };
    for (const auto &t : cases) {
        const QStringList steps = stepLines(labelSteps(job(t.format, true, qsoLines(4))));
        // Two rows, then the end of the job.
        QStringList shape;
        for (const QString &s : steps)
            shape << (s.startsWith("L ") ? s.left(6) : s);
        const QStringList row = {"L 15 B", t.afterNames, "L 11 N", "L 11 N", t.beforeTx, "L 11 N", "L 11 B"};
        const QStringList expected = t.top + row + QStringList{t.betweenRows} + row + QStringList{t.betweenRows, "E"};
        EXPECT_EQ(shape, expected) << t.format;
        EXPECT_EQ(countStarting(steps, names), 2);
    }
}

TEST(LabelLayout, SheetsQuestionsAndTheEndOfTheJob)
{
    const struct {
        int qsos;
        int format;
        bool stop;
        QList<bool> answers;
        int rows, ended, asked;
        QString last;
    } cases[] = {
        {0, 1, false, {}, 0, 0, 0, "A"},
        {3, 1, false, {}, 2, 1, 0, "E"},
        {16, 1, false, {}, 8, 1, 0, "A"},   // the full sheet ended, nothing pending at the end
        {17, 2, false, {}, 9, 2, 0, "E"},
        {17, 1, true, {true}, 9, 2, 1, "E"},
        {17, 3, true, {false}, 8, 1, 1, "E"}, // No: the first sheet only
        {16, 4, true, {true}, 8, 1, 1, "A"},
        {33, 1, true, {true, false}, 16, 2, 2, "E"},
    };
    for (const auto &t : cases) {
        QStringList asked;
        QList<bool> answers = t.answers;
        const QList<PrintStep> steps = answerSheetQuestions(labelSteps(job(t.format, true, qsoLines(t.qsos), t.stop)),
                                                            [&](const QString &q) {
                                                                asked << q;
                                                                return answers.isEmpty() || answers.takeFirst();
                                                            });
        const QStringList lines = stepLines(steps);
        const QString label = QStringLiteral("%1 QSO, stock %2, stop %3").arg(t.qsos).arg(t.format).arg(t.stop);
        EXPECT_EQ(countStarting(lines, "L 15 B"), t.rows) << label.toStdString();
        EXPECT_EQ(countOf(lines, "E"), t.ended) << label.toStdString();
        EXPECT_EQ(asked.size(), t.asked) << label.toStdString();
        for (const QString &q : asked)
            EXPECT_EQ(q, sheetQuestion(t.format));
        EXPECT_EQ(lines.last(), t.last) << label.toStdString();
    }
    EXPECT_EQ(sheetQuestion(1), "Page suivante ?");
    EXPECT_EQ(sheetQuestion(4), "               Page suivante ?");
}

TEST(LabelLayout, ASecondSheetStartsAsTheFirstWithoutTheGapBetweenRows)
{
    for (bool stop : {false, true}) {
        QStringList shape;
        for (const QString &s : stepLines(labelSteps(job(1, true, qsoLines(17), stop))))
            shape << (s.startsWith("L ") ? s.left(6) : s);
        const qsizetype end = shape.indexOf("E");
        ASSERT_GT(end, 0);
        EXPECT_EQ(shape.mid(end + 1, 4), (QStringList{"B 10", "B 10", "B 8", "L 15 B"})) << stop;
        // The eighth row ends the sheet without a gap below it.
        EXPECT_EQ(shape[stop ? end - 2 : end - 1], "L 11 B") << stop;
        EXPECT_EQ(shape.contains("Q Page suivante ?"), stop);
    }
}

TEST(LabelSettings, ChoicesRoundTripAndLengthChecks)
{
    MemorySettingsStore store;
    LabelChoices fresh = loadLabelChoices(store, "F5KQR");
    EXPECT_EQ(fresh.french, true);
    EXPECT_EQ(fresh.format, 1);
    EXPECT_EQ(fresh.transceiver, "");

    saveLabelChoices(store, "F5KQR", {"IC-703", "Long wire", false, 3});
    EXPECT_EQ(store.read("Setup F5KQR", "Language", ""), "False");
    EXPECT_EQ(store.read("Setup F5KQR", "Format etiquette", ""), "3");
    const LabelChoices back = loadLabelChoices(store, "F5KQR");
    EXPECT_EQ(back.transceiver, "IC-703");
    EXPECT_EQ(back.antenna, "Long wire");
    EXPECT_EQ(back.french, false);
    EXPECT_EQ(back.format, 3);

    // No stock chosen: the stored one stays.
    saveLabelChoices(store, "F5KQR", {"IC-703", "", true, 0});
    EXPECT_EQ(store.read("Setup F5KQR", "Format etiquette", ""), "3");
    store.write("Setup F5KQR", "Format etiquette", "7");
    EXPECT_EQ(loadLabelChoices(store, "F5KQR").format, 0);

    const struct {
        QString tx, antenna, message;
    } lengths[] = {
        {"12345678", "1234567890123", ""},
        {"123456789", "", "8 caracteres maxi pour le TX"},
        {" FT817   ", "", "8 caracteres maxi pour le TX"}, // blanks as typed count
        {"", "12345678901234", "13 caracteres maxi pour l'antenne"},
        {"123456789", "12345678901234", "8 caracteres maxi pour le TX"},
    };
    for (const auto &t : lengths)
        EXPECT_EQ(lengthMessage(t.tx, t.antenna), t.message) << t.tx.toStdString() << "/" << t.antenna.toStdString();
    EXPECT_EQ(ownCallsignShown("F5KQR", true), "F5KQR/P");
}
