#include "core/labels/LabelLayout.h"
#include "core/labels/LabelSettings.h"
#include "core/labels/LabelStock.h"
#include "core/storage/QsoRecord.h"
#include "platform/fake/FakePlatform.h"
#include "support/QtPrinters.h"

#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

using namespace pendrel;
using namespace pendrel::labels;

namespace {

QStringList textOf(const RowLines &row)
{
    return QStringList(row.lines.begin(), row.lines.end());
}

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

int countStarting(const QStringList &lines, const QString &prefix)
{
    return int(std::count_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(prefix); }));
}

} // namespace

TEST(LabelLayout, OneRowInFrenchOnTheFirstStock)
{
    const QString right = qsoLine(2, "G4XYZ", "7.0 Mhz", "10");
    const QStringList lines = textOf(rowLines(job(1, true), qsoLine(1, "F6ABC"), &right));
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
        const QString names = rowLines(j, line, &line).lines.front();
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
            const QStringList lines = textOf(rowLines(job(t.format, french), left, &right));
            ASSERT_EQ(lines.size(), 5);
            for (int i = 0; i < 4; ++i) {
                const QString rightPart = lines[i + 1].mid(t.widths[i]);
                EXPECT_TRUE(rightPart.startsWith(t.rightStarts[i]))
                    << t.format << french << " line " << i << ": " << lines[i + 1].toStdString();
            }
        }
    }
}

TEST(LabelLayout, OddLastRowLeavesTheRightLabelBlank)
{
    const QString right = qsoLine(4, "G4XYZ");
    for (int format = FirstFormat; format <= LastFormat; ++format) {
        const RowLines pair = rowLines(job(format, false), qsoLine(3, "F6ABC"), &right);
        const RowLines alone = rowLines(job(format, false), qsoLine(3, "F6ABC"), nullptr);
        ASSERT_EQ(alone.lines.size(), 5);
        for (int i = 0; i < 5; ++i) {
            // The left label as beside a QSO, without the padding that led to the right one.
            QString left = pair.lines[i].left(pair.splits[i]);
            left.remove(QRegularExpression(" +$"));
            EXPECT_EQ(alone.lines[i], left) << format << " " << i;
            EXPECT_EQ(alone.splits[i], 0);
            EXPECT_GT(pair.splits[i], 0);
            EXPECT_FALSE(pair.lines[i].mid(pair.splits[i]).isEmpty());
        }
    }
}

TEST(LabelStock, EveryRowLiesOnItsLabelsAndTheSheet)
{
    const struct {
        int format;
        double width, height, top, pitch;
    } cases[] = {
        {1, 99.1, 33.9, 12.9, 33.9},
        {2, 99.1, 34, 12.5, 34},
        {3, 105, 37, 0.5, 37},
        {4, 105, 35, 8.5, 35},
    };
    for (const auto &t : cases) {
        const LabelStock &stock = labelStock(t.format);
        EXPECT_EQ(stock.columns, 2);
        EXPECT_EQ(stock.rows, RowsPerSheet);
        const QRectF sheet(0, 0, stock.sheetWidth, stock.sheetHeight);
        for (int row = 1; row <= RowsPerSheet; ++row) {
            const QRectF left = stock.leftLabel(row);
            EXPECT_DOUBLE_EQ(left.top(), t.top + (row - 1) * t.pitch) << t.format;
            EXPECT_DOUBLE_EQ(left.height(), t.height);
            EXPECT_DOUBLE_EQ(left.width(), t.width);
            const QRectF right(stock.secondColumn(), left.top(), left.width(), left.height());
            EXPECT_TRUE(sheet.contains(left) && sheet.contains(right)) << t.format << " row " << row;
            EXPECT_GE(right.left(), left.right()) << "labels do not overlap";
        }
        // The calibration moves every label, and the steps say where each row goes.
        EXPECT_EQ(stock.leftLabel(2, 1.5, -0.5).topLeft(), stock.leftLabel(2).topLeft() + QPointF(-0.5, 1.5));
        LabelJob moved = job(t.format, true, qsoLines(3));
        moved.offsetDown = 1.5;
        const QStringList places = stepLines(labelSteps(moved)).filter(QRegularExpression("^R "));
        ASSERT_EQ(places.size(), 2) << t.format;
        const auto mm = [](double v) { return QString::number(v, 'g', 6); };
        EXPECT_EQ(places[1], QStringLiteral("R 2 %1 %2 %3 %4")
                                 .arg(mm(t.top + t.pitch + 1.5), mm(stock.left), mm(t.height), mm(stock.secondColumn())));
        // The last row of a sheet, written as a person writes it.
        const QStringList all = stepLines(labelSteps(job(t.format, true, qsoLines(16)))).filter(QRegularExpression("^R 8 "));
        ASSERT_EQ(all.size(), 1);
        EXPECT_EQ(all[0].split(' ')[2], mm(t.top + 7 * t.pitch)) << all[0].toStdString();
        EXPECT_LE(all[0].split(' ')[2].size(), 6) << all[0].toStdString();
    }
    EXPECT_EQ(&labelStock(0), &labelStock(1));
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
            shape << (s.startsWith("L ") ? s.left(6) : s.startsWith("R ") ? s.left(1) : s);
        const QStringList row = {"R", "L 15 B", t.afterNames, "L 11 N", "L 11 N", t.beforeTx, "L 11 N", "L 11 B"};
        const QStringList expected = t.top + row + QStringList{t.betweenRows} + row + QStringList{t.betweenRows, "E"};
        EXPECT_EQ(shape, expected) << t.format;
        EXPECT_EQ(countStarting(steps, names), 2);
    }
}

// The sheet stop through the printer seam: each sheet goes as a job of its
// own, its question is asked once it has gone, and No ends the print.
TEST(LabelLayout, SheetsQuestionsAndTheEndOfTheJob)
{
    const struct {
        int qsos;
        int format;
        bool stop;
        QList<bool> answers;
        QStringList events; // "J<rows>": a job of that many rows went; "Q": the question
        QString last;
    } cases[] = {
        {0, 1, false, {}, {"J0"}, "A"},
        {3, 1, false, {}, {"J2"}, "E"},
        {16, 1, false, {}, {"J8"}, "A"},   // the full sheet ended, nothing pending at the end
        {17, 2, false, {}, {"J9"}, "E"},   // without the stop: one job
        {17, 1, true, {true}, {"J8", "Q", "J1"}, "E"},
        {17, 3, true, {false}, {"J8", "Q"}, "E"}, // No: the first sheet only
        {16, 4, true, {true}, {"J8"}, "A"},       // no question when no sheet follows
        {33, 1, true, {true, false}, {"J8", "Q", "J8", "Q"}, "E"},
    };
    for (const auto &t : cases) {
        const QList<PrintStep> steps = labelSteps(job(t.format, true, qsoLines(t.qsos), t.stop));
        FakePrinter printer;
        QStringList events;
        QList<bool> answers = t.answers;
        const auto rows = [](const QList<PrintStep> &job) { return countStarting(stepLines(job), "L 15 B"); };
        const SheetQuestion ask = [&](const QString &q) {
            for (const QList<PrintStep> &sent : printer.jobs.mid(events.count() - events.count("Q")))
                events << QStringLiteral("J%1").arg(rows(sent));
            events << "Q";
            EXPECT_EQ(q, sheetQuestion(t.format));
            return answers.isEmpty() || answers.takeFirst();
        };
        const QString label = QStringLiteral("%1 QSO, stock %2, stop %3").arg(t.qsos).arg(t.format).arg(t.stop);
        EXPECT_EQ(printer.previewAndPrint(steps, t.stop ? ask : SheetQuestion()), Printer::Outcome::Printed);
        for (const QList<PrintStep> &sent : printer.jobs.mid(events.count() - events.count("Q")))
            events << QStringLiteral("J%1").arg(rows(sent));
        EXPECT_EQ(events, t.events) << label.toStdString();
        EXPECT_EQ(stepLines(steps).last(), t.last) << label.toStdString();
        // Every job is laid out as sheets in the printing font.
        for (const QList<PrintStep> &sent : printer.jobs) {
            EXPECT_EQ(sent.first().kind, PrintStep::Kind::Sheets);
            EXPECT_EQ(sent[1].kind, PrintStep::Kind::Font);
        }
    }
    EXPECT_EQ(sheetQuestion(1), "Page suivante ?");
    EXPECT_EQ(sheetQuestion(4), "               Page suivante ?");
}

TEST(LabelLayout, ASecondSheetStartsAsTheFirstWithoutTheGapBetweenRows)
{
    for (bool stop : {false, true}) {
        QStringList shape;
        for (const QString &s : stepLines(labelSteps(job(1, true, qsoLines(17), stop))))
            shape << (s.startsWith("L ") ? s.left(6) : s.startsWith("R ") ? s.left(3) : s);
        const qsizetype end = shape.indexOf("E");
        ASSERT_GT(end, 0);
        EXPECT_EQ(shape.mid(end + 1, 5), (QStringList{"B 10", "B 10", "B 8", "R 1", "L 15 B"})) << stop;
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
    EXPECT_EQ(printedFormat(loadLabelChoices(store, "F5KQR")), 1);
    EXPECT_EQ(printedFormat(back), 3);

    // The printer's calibration, as stored or edited by hand.
    const struct {
        QString stored;
        double read;
    } offsets[] = {{"", 0}, {"1.5", 1.5}, {" -2 ", -2}, {"0.25", 0.3}, {"99", 10}, {"-1e9", -10},
                   {"abc", 0}, {"nan", 0}, {"inf", 0}, {"1,5", 0}};
    for (const auto &t : offsets) {
        store.write("Setup F5KQR", "Decalage bas etiquette", t.stored);
        store.write("Setup F5KQR", "Decalage droite etiquette", t.stored);
        const LabelChoices read = loadLabelChoices(store, "F5KQR");
        EXPECT_DOUBLE_EQ(read.offsetDown, t.read) << t.stored.toStdString();
        EXPECT_DOUBLE_EQ(read.offsetRight, t.read) << t.stored.toStdString();
    }
    LabelChoices moved = back;
    moved.offsetDown = -1.5;
    moved.offsetRight = 42;
    saveLabelChoices(store, "F5KQR", moved);
    EXPECT_EQ(store.read("Setup F5KQR", "Decalage bas etiquette", ""), "-1.5");
    EXPECT_EQ(store.read("Setup F5KQR", "Decalage droite etiquette", ""), "10");

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

// Rows share the lines they have in common with rows before them: every row
// of a job still prints its own QSOs' lines, the power and band changing
// from row to row and coming back.
TEST(LabelLayout, SharedLinesAreEachRowsOwn)
{
    QStringList lines;
    const char *const powers[] = {"5", "5", "3", "5", "1", "3", "5", "5", "10", "3", "1"};
    for (int i = 0; i < int(std::size(powers)); ++i)
        lines << qsoLine(i + 1, QStringLiteral("F%1XY").arg(i), i % 3 ? "7.0 Mhz" : "144 Mhz", powers[i]);
    const LabelJob j = job(1, true, lines);
    QStringList expected;
    for (qsizetype i = 0; i < lines.size(); i += 2)
        expected << textOf(rowLines(j, lines[i], i + 1 < lines.size() ? &lines[i + 1] : nullptr));
    QStringList printed;
    for (const PrintStep &step : labelSteps(j))
        if (step.kind == PrintStep::Kind::Line)
            printed << step.text;
    EXPECT_EQ(printed, expected);
}
