#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace pendrel;
using pendrel::test::TempFolder;

namespace {

const QString kCall = QStringLiteral("F0ABC");
const QString kFixed = QStringLiteral("F0ABC_QRP.log");

QString qso(const QString &call, const QString &date, const QString &time, const QString &kmw = {},
            const QString &pts = QStringLiteral("1"), const QString &bonus = {})
{
    QsoRecord r;
    r.Indicatif = call; r.Dpt = "29"; r.Prenom = "YVES"; r.Loc = "IN88HK"; r.Date = date; r.QTR = time;
    r.Mode = "CW"; r.QRG = "7.0 Mhz"; r.RstR = "599"; r.RstE = "579"; r.QTH = "BREST"; r.QRB = "438";
    r.MyLoc = "JN18GU"; r.Pwr = "5"; r.KmW = kmw; r.Pts = pts; r.Bonus = bonus;
    return r.recordLine();
}

QByteArray crlf(const QStringList &lines)
{
    return encodeLines(lines);
}

// A writer that starts the new file, then fails before the atomic replace.
class FailingWriter : public FileWriter {
public:
    bool replaceFile(const QString &path, const QByteArray &content, QString *error) override
    {
        ++calls;
        QFile scratch(path + QStringLiteral(".partial"));
        scratch.open(QIODevice::WriteOnly);
        scratch.write(content.left(content.size() / 2));
        scratch.remove();
        *error = QStringLiteral("disque plein");
        return false;
    }
    bool appendToFile(const QString &, const QByteArray &, QString *error) override
    {
        ++calls;
        *error = QStringLiteral("disque plein");
        return false;
    }
    int calls = 0;
};

} // namespace

TEST(LoadLog, TotalsAndBestKmW)
{
    struct Case {
        const char *name;
        QByteArray file;
        int qsos;
        QString total, best;
    };
    const QString a = qso("F1AAA", "01/01/08", "10:00", "102", "4", "15");
    const QString b = qso("F1BBB", "02/01/08", "10:00", "", "1", "");
    const QString c = qso("F1CCC", "03/01/08", "10:00", "87", "1", "10");
    const Case cases[] = {
        {"empty", QByteArray(), 0, "0", "0"},
        {"points and bonus", crlf({a}), 1, "19", "102"},
        {"empty bonus adds only points", crlf({b}), 1, "1", "0"},
        {"102, blanks and 87", crlf({a, b, c}), 3, "31", "102"},
        {"equal best: first stays", crlf({qso("F1X", "", "", "102.0"), qso("F1Y", "", "", "102")}), 2, "2", "102.0"},
        {"equal best: first stays (reversed)", crlf({qso("F1Y", "", "", "102"), qso("F1X", "", "", "102.0")}), 2, "2",
         "102"},
        {"no positive km/W", crlf({qso("F1X", "", "", "0"), qso("F1Y", "", "", "-5")}), 2, "2", "0"},
        {"signed values count 0", crlf({qso("F1X", "", "", "+200", "4", "-9"), qso("F1Y", "", "", "87", "1", "+5")}),
         2, "5", "87"},
        {"blank lines hold no QSO", crlf({a, "", "   ", b, ""}), 2, "20", "102"},
        {"last line without CR LF", crlf({a}) + b.toLatin1(), 2, "20", "102"},
        {"LF only", (a + "\n" + c + "\n").toLatin1(), 2, "30", "102"},
        {"short hand-edited line", crlf({a.left(60), c}), 2, "11", "87"},
        {"line cut inside KmW", crlf({c.left(125)}), 1, "0", "8"},
        {"long line", crlf({c + QStringLiteral("   999   4  15")}), 1, "11", "87"},
    };
    for (const Case &k : cases) {
        TempFolder folder;
        folder.write(kFixed, k.file);
        const LoadResult r = LogStore(folder.dir()).LoadLog(kCall, StationKind::Fixed);
        ASSERT_EQ(r.status, ReadStatus::Ok) << k.name;
        EXPECT_EQ(r.view.listLines.size(), k.qsos) << k.name;
        EXPECT_EQ(r.view.totalPoints, k.total) << k.name;
        EXPECT_EQ(r.view.bestKmW, k.best) << k.name;
        for (qsizetype i = 0; i < r.view.listLines.size(); ++i) {
            EXPECT_EQ(r.view.listLines[i].size(), QsoRecord::ListLineLength) << k.name;
            EXPECT_EQ(r.view.listLines[i].left(5), listNumberField(int(i) + 1)) << k.name;
        }
        EXPECT_FALSE(r.tooMany) << k.name;
    }
}

TEST(LoadLog, ListLinesMatchTheRecordForm)
{
    TempFolder folder;
    const QStringList lines = {qso("F1AAA", "01/01/08", "10:00", "102"), qso("F1BBB/P", "02/01/08", "11:00", "7"),
                               qso("F1CCC", "03/01/08", "12:00").left(50)};
    folder.write(kFixed, crlf(lines));
    const LoadResult r = LogStore(folder.dir()).LoadLog(kCall, StationKind::Fixed);
    ASSERT_EQ(r.view.listLines.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(r.view.listLines[i], QsoRecord::fromRecordLine(lines[i]).listLine(i + 1));
        EXPECT_EQ(recordLineFromListLine(r.view.listLines[i]), QsoRecord::fromRecordLine(lines[i]).recordLine());
    }
}

TEST(LoadLog, EachStationKindHasItsFile)
{
    TempFolder folder;
    folder.write("F0ABC_P_QRP.log", crlf({qso("F1AAA", "01/01/08", "10:00", "", "4")}));
    const LogStore store(folder.dir());
    EXPECT_EQ(store.LoadLog(kCall, StationKind::Fixed).status, ReadStatus::NotFound);
    const LoadResult portable = store.LoadLog(kCall, StationKind::Portable);
    ASSERT_EQ(portable.status, ReadStatus::Ok);
    EXPECT_EQ(portable.view.totalPoints, "4");
}

TEST(LoadLog, UnreadableLogIsAnErrorWithAFrenchMessage)
{
    TempFolder folder;
    QDir(folder.dir()).mkdir(kFixed); // a folder where the log should be
    const LoadResult r = LogStore(folder.dir()).LoadLog(kCall, StationKind::Fixed);
    EXPECT_EQ(r.status, ReadStatus::Error);
    EXPECT_TRUE(r.error.startsWith("Impossible de lire le log")) << r.error.toStdString();
}

TEST(LogStore, Windows1252BytesRoundTripByteForByte)
{
    TempFolder folder;
    // Every byte from 0x80 to 0xFF, spread over the first name and QTH columns.
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high.append(char(b));
    QStringList lines;
    for (int i = 0; i < high.size(); i += 44) {
        QByteArray rec = qso("F1AAA", "01/01/08", "10:00").toLatin1();
        const QByteArray part = high.mid(i, 44);
        rec.replace(18, std::min<qsizetype>(14, part.size()), part.left(14));
        rec.replace(75, std::min<qsizetype>(30, part.size() - 14), part.mid(14, 30));
        lines.append(QString::fromLatin1(rec)); // bytes kept one to one, encoded back below as written
    }
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += l.toLatin1() + "\r\n";
    const QString other = qso("F9ZZZ", "09/09/09", "09:09");
    folder.write(kFixed, bytes + other.toLatin1() + "\r\n");
    const LogStore store(folder.dir());

    const LoadResult loaded = store.LoadLog(kCall, StationKind::Fixed);
    ASSERT_EQ(loaded.view.listLines.size(), lines.size() + 1);
    EXPECT_EQ(loaded.view.listLines[0].mid(26, 5), QStringLiteral("€\u0081‚ƒ„"));

    ASSERT_TRUE(store.DeleteQso(kCall, StationKind::Fixed, other).ok);
    EXPECT_EQ(folder.read(kFixed), bytes);

    // The French letters the operator types, through a record and back.
    QsoRecord r = QsoRecord::fromRecordLine(other);
    r.Prenom = QStringLiteral("ÉLÈNE ŒDIPE");
    r.QTH = QStringLiteral("FORÊT À 5 € PRÈS");
    ASSERT_TRUE(store.AppendQso(kCall, StationKind::Fixed, r.recordLine()).ok);
    const QByteArray written = folder.read(kFixed).mid(bytes.size());
    EXPECT_EQ(written.mid(18, 11), QByteArray("\xC9L\xC8NE \x8C" "DIPE"));
    EXPECT_EQ(written.mid(75, 16), QByteArray("FOR\xCAT \xC0 5 \x80 PR\xC8S"));
    const LoadResult again = store.LoadLog(kCall, StationKind::Fixed);
    EXPECT_EQ(recordLineFromListLine(again.view.listLines.last()), r.recordLine());
}

TEST(AppendQso, AddsOneLineAtTheEnd)
{
    const QString a = qso("F1AAA", "01/01/08", "10:00");
    const QString n = qso("F1NEW", "02/01/08", "10:00");
    struct Case {
        const char *name;
        QByteArray before, after;
    };
    const Case cases[] = {
        {"empty log", QByteArray(), crlf({n})},
        {"after a full line", crlf({a}), crlf({a, n})},
        {"last line without CR LF", a.toLatin1(), crlf({a, n})},
        {"after a blank line", crlf({a, ""}), crlf({a, "", n})},
    };
    // The same, reading the whole file or only its last byte when the caller
    // knows the file (the window's list).
    for (const bool known : {false, true})
        for (const Case &k : cases) {
            TempFolder folder;
            folder.write(kFixed, k.before);
            const QFileInfo info(folder.path(kFixed));
            const KnownLog hint = known ? KnownLog{info.size(), info.lastModified(), 1}
                                                  : KnownLog{};
            const StoreResult r = LogStore(folder.dir()).AppendQso(kCall, StationKind::Fixed, n, hint);
            EXPECT_TRUE(r.ok) << k.name;
            EXPECT_EQ(folder.read(kFixed), k.after) << k.name << (known ? " (known)" : "");
        }
}

TEST(AppendQso, WhatTheCallerKnowsCountsOnlyWhileTheFileIsUnchanged)
{
    const QString a = qso("F1AAA", "01/01/08", "10:00");
    const QString n = qso("F1NEW", "02/01/08", "10:00");
    TempFolder folder;
    folder.write(kFixed, a.toLatin1());
    const QFileInfo info(folder.path(kFixed));
    const KnownLog full{info.size(), info.lastModified(), QsoRecord::MaxQsoNumber};
    const LogStore store(folder.dir());
    // Known full: refused without reading.
    EXPECT_FALSE(store.AppendQso(kCall, StationKind::Fixed, n, full).ok);
    // Another writer changed the file since (a line without its CR LF added): it is read again.
    folder.write(kFixed, crlf({a}) + a.toLatin1());
    EXPECT_TRUE(store.AppendQso(kCall, StationKind::Fixed, n, full).ok);
    EXPECT_EQ(folder.read(kFixed), crlf({a, a, n}));
}

TEST(AppendQso, MissingLogIsReportedAndNotCreated)
{
    TempFolder folder;
    const StoreResult r = LogStore(folder.dir()).AppendQso(kCall, StationKind::Fixed, qso("F1A", "", ""));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains("fichier introuvable")) << r.message.toStdString();
    EXPECT_FALSE(folder.exists(kFixed));
}

TEST(ReplaceQso, ReplacesOneEqualLineOrAppends)
{
    const QString a = qso("F1AAA", "01/01/08", "10:00");
    const QString b = qso("F1BBB", "02/01/08", "10:00");
    const QString n = qso("F1NEW", "03/01/08", "10:00");
    struct Case {
        const char *name;
        QStringList before;
        QString old;
        QStringList after;
    };
    const Case cases[] = {
        {"single", {a, b}, a, {n, b}},
        {"old line twice: the first only", {a, b, a}, a, {n, b, a}},
        {"absent: appended", {a, b}, qso("F1ZZZ", "", ""), {a, b, n}},
        {"empty log: appended", {}, a, {n}},
        {"differs in case: not equal", {a}, a.toLower(), {a, n}},
        {"trailing blanks stripped by an editor", {a.trimmed(), b}, a, {n, b}},
    };
    for (const Case &k : cases) {
        TempFolder folder;
        folder.write(kFixed, crlf(k.before));
        EXPECT_TRUE(LogStore(folder.dir()).ReplaceQso(kCall, StationKind::Fixed, n, k.old).ok) << k.name;
        EXPECT_EQ(folder.read(kFixed), crlf(k.after)) << k.name;
    }
}

TEST(DeleteQso, RemovesOneIdenticalLine)
{
    const QString a = qso("F1AAA", "01/01/08", "10:00");
    const QString b = qso("F1BBB", "02/01/08", "10:00");
    struct Case {
        const char *name;
        QStringList before;
        QString gone;
        QStringList after;
    };
    const Case cases[] = {
        {"one of two", {a, b}, a, {b}},
        {"one copy only", {a, b, a, a}, a, {b, a, a}},
        {"the only line", {a}, a, {}},
        {"a line cut by an editor", {b.trimmed(), a}, b, {a}},
    };
    for (const Case &k : cases) {
        TempFolder folder;
        folder.write(kFixed, crlf(k.before));
        EXPECT_TRUE(LogStore(folder.dir()).DeleteQso(kCall, StationKind::Fixed, k.gone).ok) << k.name;
        EXPECT_EQ(folder.read(kFixed), crlf(k.after)) << k.name;
    }
}

TEST(InsertQsoByDate, PlacesTheLineBeforeTheFirstLaterOrEqualMoment)
{
    const QString d4 = qso("F1D4", "04/01/08", "09:00");
    const QString d6 = qso("F1D6", "06/01/08", "08:00");
    const QString y99 = qso("F1Y99", "01/01/00", "00:00");
    struct Case {
        const char *name;
        QStringList before;
        QString line;
        int at;
    };
    const Case cases[] = {
        {"between two days", {d4, d6}, qso("F1NEW", "05/01/08", "10:00"), 1},
        {"1999 before 2000", {y99}, qso("F1NEW", "31/12/99", "23:59"), 0},
        {"2049 after 1950", {qso("F1OLD", "01/01/50", "00:00")}, qso("F1NEW", "01/01/49", "00:00"), 1},
        {"empty log", {}, qso("F1NEW", "05/01/08", "10:00"), 0},
        {"later than every line", {d4, d6}, qso("F1NEW", "06/01/08", "08:01"), 2},
        {"same moment: inserted first", {d4, d6}, qso("F1NEW", "06/01/08", "08:00"), 1},
        {"minutes count", {d4, d6}, qso("F1NEW", "04/01/08", "08:59"), 0},
        {"month before day", {qso("F1A", "01/02/08", "00:00")}, qso("F1NEW", "31/01/08", "23:59"), 0},
        {"blank lines are passed over", {d4, "", d6}, qso("F1NEW", "05/01/08", "10:00"), 2},
    };
    for (const Case &k : cases) {
        TempFolder folder;
        folder.write(kFixed, crlf(k.before));
        EXPECT_TRUE(LogStore(folder.dir()).InsertQsoByDate(kCall, StationKind::Fixed, k.line).ok) << k.name;
        QStringList after = k.before;
        after.insert(k.at, k.line);
        EXPECT_EQ(folder.read(kFixed), crlf(after)) << k.name;
    }
}

TEST(CreateLogFiles, CreatesOnlyMissingFilesFromTheTemplate)
{
    const QByteArray templ = crlf({qso("F1TPL", "01/01/08", "10:00")});
    const QByteArray kept = crlf({qso("F1OLD", "01/01/08", "10:00")});
    struct Case {
        const char *name;
        bool fixedExists, portableExists;
    };
    const Case cases[] = {{"none", false, false}, {"fixed kept", true, false}, {"portable kept", false, true},
                          {"both kept", true, true}};
    for (const Case &k : cases) {
        TempFolder folder;
        folder.write("FXXXX.txt", templ);
        if (k.fixedExists)
            folder.write(kFixed, kept);
        if (k.portableExists)
            folder.write("F0ABC_P_QRP.log", kept);
        EXPECT_TRUE(LogStore(folder.dir()).CreateLogFiles(kCall).ok) << k.name;
        EXPECT_EQ(folder.read(kFixed), k.fixedExists ? kept : templ) << k.name;
        EXPECT_EQ(folder.read("F0ABC_P_QRP.log"), k.portableExists ? kept : templ) << k.name;
    }
}

TEST(CreateLogFiles, MissingTemplateGivesEmptyLogsUnreadableOneNone)
{
    TempFolder folder;
    QFile::remove(folder.path("FXXXX.txt"));
    EXPECT_TRUE(LogStore(folder.dir()).CreateLogFiles(kCall).ok);
    EXPECT_TRUE(folder.exists(kFixed));
    EXPECT_EQ(folder.read(kFixed), QByteArray());

    TempFolder other;
    QFile::remove(other.path("FXXXX.txt"));
    QDir(other.dir()).mkdir("FXXXX.txt");
    const StoreResult r = LogStore(other.dir()).CreateLogFiles(kCall);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.startsWith("Impossible de lire le modèle FXXXX.txt")) << r.message.toStdString();
    EXPECT_FALSE(other.exists(kFixed));
    EXPECT_FALSE(other.exists("F0ABC_P_QRP.log"));

    TempFolder failing;
    FailingWriter writer;
    const StoreResult w = LogStore(failing.dir(), writer).CreateLogFiles(kCall);
    EXPECT_EQ(w.message, QStringLiteral("Impossible de créer le fichier F0ABC_QRP.log (disque plein)."));
    EXPECT_FALSE(failing.exists(kFixed));
}

TEST(LogStore, FailedRewriteLeavesTheLogAsItWas)
{
    const QString a = qso("F1AAA", "01/01/08", "10:00");
    const QString b = qso("F1BBB", "02/01/08", "10:00");
    const QString n = qso("F1NEW", "01/01/08", "11:00");
    const QByteArray before = crlf({a, b}) + "F1HANDEDIT";
    using Op = std::function<StoreResult(const LogStore &)>;
    const std::pair<const char *, Op> ops[] = {
        {"append", [&](const LogStore &s) { return s.AppendQso(kCall, StationKind::Fixed, n); }},
        {"replace", [&](const LogStore &s) { return s.ReplaceQso(kCall, StationKind::Fixed, n, a); }},
        {"delete", [&](const LogStore &s) { return s.DeleteQso(kCall, StationKind::Fixed, a); }},
        {"insert", [&](const LogStore &s) { return s.InsertQsoByDate(kCall, StationKind::Fixed, n); }},
    };
    for (const auto &[name, op] : ops) {
        TempFolder folder;
        folder.write(kFixed, before);
        FailingWriter writer;
        const StoreResult r = op(LogStore(folder.dir(), writer));
        EXPECT_EQ(writer.calls, 1) << name;
        EXPECT_FALSE(r.ok) << name;
        EXPECT_EQ(r.message, QStringLiteral("Impossible d'enregistrer le fichier F0ABC_QRP.log (disque plein).\r\n"
                                            "Le log est resté tel qu'il était."))
            << name;
        EXPECT_EQ(folder.read(kFixed), before) << name;
        EXPECT_EQ(QDir(folder.dir()).entryList(QDir::Files).size(), 2) << name; // log and template only
    }
}

TEST(LogStore, StandardWriterReportsAFailedReplace)
{
    TempFolder folder;
    QString error;
    EXPECT_FALSE(FileWriter::standard().replaceFile(folder.path("absent/x.log"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    QDir(folder.dir()).mkdir("dir.log");
    EXPECT_FALSE(FileWriter::standard().replaceFile(folder.path("dir.log"), "x", &error));
    EXPECT_TRUE(QFileInfo(folder.path("dir.log")).isDir());
}

TEST(LogStore, RecordWithALineBreakIsRefused)
{
    TempFolder folder;
    const QByteArray before = crlf({qso("F1AAA", "01/01/08", "10:00")});
    folder.write(kFixed, before);
    const LogStore store(folder.dir());
    const QString bad = qso("F1BAD", "01/01/08", "10:00").replace(100, 2, "\r\n");
    EXPECT_FALSE(store.AppendQso(kCall, StationKind::Fixed, bad).ok);
    EXPECT_FALSE(store.InsertQsoByDate(kCall, StationKind::Fixed, bad).ok);
    EXPECT_FALSE(store.ReplaceQso(kCall, StationKind::Fixed, bad, qso("F1AAA", "01/01/08", "10:00")).ok);
    EXPECT_EQ(folder.read(kFixed), before);
}

TEST(LogStore, NumberFieldLimitOf99999Qsos)
{
    TempFolder folder;
    const QString line = qso("F1AAA", "01/01/08", "10:00", "3", "1", "");
    QByteArray full;
    full.reserve(138 * QsoRecord::MaxQsoNumber);
    const QByteArray one = line.toLatin1() + "\r\n";
    for (int i = 0; i < QsoRecord::MaxQsoNumber; ++i)
        full += one;
    folder.write(kFixed, full);
    const LogStore store(folder.dir());
    const QString n = qso("F1NEW", "01/01/09", "10:00");
    const QString expected = QStringLiteral("Le log F0ABC_QRP.log contient déjà 99999 QSO, le maximum que Pendrel "
                                            "sait numéroter.\r\nLe QSO n'a pas été enregistré.");
    EXPECT_EQ(store.AppendQso(kCall, StationKind::Fixed, n).message, expected);
    EXPECT_EQ(store.InsertQsoByDate(kCall, StationKind::Fixed, n).message, expected);
    EXPECT_EQ(store.ReplaceQso(kCall, StationKind::Fixed, n, qso("F1ZZZ", "", "")).message, expected);
    EXPECT_EQ(folder.read(kFixed).size(), full.size());

    const LoadResult loaded = store.LoadLog(kCall, StationKind::Fixed);
    EXPECT_FALSE(loaded.tooMany);
    ASSERT_EQ(loaded.view.listLines.size(), 99999);
    EXPECT_EQ(loaded.view.listLines.last().left(7), QStringLiteral("99999  "));

    // A log merged by hand beyond the limit: the list stops, the totals do not.
    folder.write(kFixed, full + one + one);
    const LoadResult over = store.LoadLog(kCall, StationKind::Fixed);
    EXPECT_TRUE(over.tooMany);
    EXPECT_EQ(over.view.listLines.size(), 99999);
    EXPECT_EQ(over.view.totalPoints, "100001");
    EXPECT_TRUE(over.warning.contains("plus de 99999 QSO")) << over.warning.toStdString();
}

TEST(LoadLog, FileBytesAndDecodedLinesGiveTheSameView)
{
    const QString a = qso("F1AAA", "01/01/08", "10:00", "102", "4", "15");
    const QByteArray files[] = {
        QByteArray(),
        crlf({a, a.left(3), a.left(130)}),
        "\r\n\r\n" + crlf({a}) + "\xA0 \t\r\n \x0B\x0C\r\n\xA0" "F1NBSP\r\n\r",
        crlf({a}) + "F1\xE9\x80\x81\x9F" + a.mid(8).toLatin1(),
        "\n\n\n",
    };
    QList<QByteArray> all(std::begin(files), std::end(files));
    // Random bytes, line ends frequent: any file loads, the same both ways.
    QRandomGenerator random(7);
    for (int i = 0; i < 40; ++i) {
        QByteArray noise(random.bounded(600), Qt::Uninitialized);
        for (char &c : noise) {
            const int r = random.bounded(300);
            c = r < 10 ? '\n' : r < 20 ? '\r' : r < 60 ? ' ' : char(r);
        }
        all.append(noise);
    }
    for (const QByteArray &file : all) {
        TempFolder folder;
        folder.write(kFixed, file);
        const LogView fromBytes = LogStore(folder.dir()).LoadLog(kCall, StationKind::Fixed).view;
        const LogView fromLines = LogStore::buildView(readTextLines(folder.path(kFixed)).lines);
        EXPECT_EQ(fromBytes.listLines, fromLines.listLines) << file.toStdString();
        for (const QString &line : fromBytes.listLines)
            EXPECT_EQ(line.size(), QsoRecord::ListLineLength);
        EXPECT_EQ(fromBytes.totalPoints, fromLines.totalPoints);
        EXPECT_EQ(fromBytes.bestKmW, fromLines.bestKmW);
    }
}
