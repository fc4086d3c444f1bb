#include "core/adif/AdifExport.h"
#include "core/adif/AdifImport.h"
#include "core/adif/AdifSettings.h"
#include "platform/fake/FakePlatform.h"
#include "core/storage/Bands.h"
#include "core/storage/Cp1252.h"
#include "core/storage/QsoRecord.h"

#include "support/FailingWriter.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace pendrel;
using namespace pendrel::test;

namespace {

// A data folder holding the log of F0ABC for one station kind, and an ADIF file to import.
struct Import {
    TempFolder folder;
    adif::ImportRequest request;

    explicit Import(StationKind kind = StationKind::Fixed, QDate today = QDate(2026, 3, 15))
    {
        request.dataFolder = folder.dir();
        request.callsign = "F0ABC";
        request.kind = kind;
        request.ownLocator = "JN18GU";
        request.power = "5";
        request.outingQsoCount = 3;
        request.today = today;
        request.adifPath = folder.path("in.adi");
        setLog({});
    }
    QString logName() const { return LogStore::logFileName("F0ABC", request.kind); }
    void setLog(const QStringList &lines) { folder.write(logName(), encodeLines(lines)); }
    QStringList logLines() const { return splitLines(cp1252::decode(folder.read(logName()))); }
    // The lines an import wrote, as the log holds them.
    QStringList imported(const adif::ImportResult &r) const { return logLines().mid(r.insertedAt, r.imported); }
    adif::ImportResult run(const QByteArray &adif, const adif::Progress &progress = {},
                           FileWriter &writer = FileWriter::standard())
    {
        folder.write("in.adi", adif);
        return adif::importFile(request, progress, writer);
    }
};

QString logLine(const QString &call, const QString &date, const QString &time)
{
    QsoRecord r;
    r.Indicatif = call; r.Date = date; r.QTR = time; r.Mode = "CW"; r.QRG = "14 Mhz"; r.RstR = "599";
    r.RstE = "599"; r.QRB = "100"; r.MyLoc = "JN18GU"; r.Pwr = "5"; r.KmW = "20"; r.Pts = "1";
    return r.recordLine();
}

QByteArray qso(const QByteArray &call, const QByteArray &date = "20080125", const QByteArray &time = "1435",
               const QByteArray &more = "<BAND:3>20m")
{
    QByteArray out;
    if (!call.isEmpty())
        out += "<CALL:" + QByteArray::number(call.size()) + ">" + call;
    if (!date.isEmpty())
        out += "<QSO_DATE:" + QByteArray::number(date.size()) + ">" + date;
    if (!time.isEmpty())
        out += "<TIME_ON:" + QByteArray::number(time.size()) + ">" + time;
    return out + more + "<EOR>\n";
}

} // namespace

TEST(AdifImport, QuestionAndChooserTexts)
{
    EXPECT_EQ(adif::importQuestion("JN18GU", "5"),
              u"ATTENTION, JN18GU et 5W vont etre utilisés pour les QSO importés, continuer ?"_qs);
    EXPECT_EQ(adif::noFileChosenMessage(), "selectionnez un fichier ou quitter");
    EXPECT_EQ(adif::importFileFilter(), ".adi (adi) (*.adi);;ADIF (*.adi *.adif)");
}

TEST(AdifImport, FullRecordAndEveryReplacementValue)
{
    Import imp;
    const adif::ImportResult r = imp.run(
        "<adif_ver:5>3.1.0<eoh>\n"
        "<call:5>f1aaa<name:4>jean<gridsquare:6>jn03tj<qso_date:8>20080125<time_on:6>143512<mode:2>cw"
        "<band:3>40m<rst_rcvd:3>599<rst_sent:3>579<qth:8>toulouse<comment:5>hello<eor>\n"
        "<qso_date:7>2008012<eor>\n"
        "<qso_date:8>20080230<time_on:4>2460<eor>\n"
        "<call:5>F1BBB<time_on:3>143<eor>\n");
    ASSERT_TRUE(r.ok) << r.messages.join('|').toStdString();
    ASSERT_EQ(r.imported, 4);
    EXPECT_EQ(imp.imported(r)[0],
              "F1AAA             JEAN           JN03TJ 25/01/08 14:35 CW  7.0 Mhz 599 579 TOULOUSE                       "
              "612   JN18GU  5   122    1    ");
    QsoRecord replaced;
    replaced.Indicatif = "FXXXX"; replaced.Date = "01/01/00"; replaced.QTR = "00:00"; replaced.Mode = "XXX";
    replaced.QRG = "1.8 Mhz"; replaced.RstR = "XX"; replaced.RstE = "XX"; replaced.QRB = "0";
    replaced.MyLoc = "JN18GU"; replaced.Pwr = "5"; replaced.KmW = "0"; replaced.Pts = "1";
    EXPECT_EQ(imp.imported(r)[1], replaced.recordLine());
    // A date or time that is there but cannot be read is invalid, not absent.
    EXPECT_EQ(r.messages, QStringList({u"Indicatif absent, remplacé par FXXXX (2 QSO concernés)"_qs,
                                       u"Date absente, remplacée par 01/01/2000 (1 QSO concerné)"_qs,
                                       u"Date invalide, remplacée par 01/01/2000 (2 QSO concernés)"_qs,
                                       u"Heure absente, remplacée par 00:00 (1 QSO concerné)"_qs,
                                       u"Heure invalide, remplacée par 00:00 (2 QSO concernés)"_qs,
                                       u"Bande absente, remplacée par 1.8 Mhz (3 QSO concernés)"_qs}));
    EXPECT_EQ(imp.logLines(), imp.imported(r));
    EXPECT_EQ(r.outingQsoCount, 3);
}

TEST(AdifImport, FieldRules)
{
    const struct {
        const char *what;
        QByteArray fields;
        int column, width; // 0-based column of the record line
        QString expected;
    } cases[] = {
        {"FREQ wins over BAND", "<FREQ:5>7.030<BAND:3>20M", 59, 7, "7.0 Mhz"},
        {"FREQ without a point", "<FREQ:3>144", 59, 7, "144 Mhz"},
        {"FREQ in kHz", "<FREQ:5>14200", 59, 7, "14 Mhz "},
        {"FREQ in Hz", "<FREQ:7>7038276", 59, 7, "7.0 Mhz"},
        {"FREQ of 1.838 MHz", "<FREQ:5>1.838", 59, 7, "1.8 Mhz"},
        {"FREQ of 23 cm", "<FREQ:8>1296.200", 59, 7, "1.3Ghz "},
        {"FREQ fitting no band, BAND stands in", "<FREQ:3>abc<BAND:3>15m", 59, 7, "21 Mhz "},
        {"BAND in lower case", "<band:4>70cm", 59, 7, "432 Mhz"},
        {"four-character locator: QRB 0", "<GRIDSQUARE:4>JN18", 106, 23, "0     JN18GU  5   0    "},
        {"own locator in lower case: QRB 0", "<GRIDSQUARE:6>jn18gu", 106, 5, "0    "},
        {"eight-character locator is cut", "<GRIDSQUARE:8>JN03TJ49", 33, 6, "JN03TJ"},
        {"long callsign is cut to 12", "<CALL:14>F0ABCDEFGHIJKL", 0, 12, "F0ABCDEFGHIJ"},
        {"/P callsign: 4 points", "<CALL:7>F1ZZZ/P", 131, 1, "4"},
        {"a fourth character of the mode before the band", "<MODE:4>RTTY", 55, 5, "RTTY1"},
        {"mode cut to four characters", "<MODE:6>OLIVIA", 55, 5, "OLIV1"},
        {"QTH cut to 20", "<QTH:26>abcdefghijklmnopqrstuvwxyz", 75, 31, "ABCDEFGHIJKLMNOPQRST           "},
        {"first name cut to 14", "<NAME:17>Jean-Christophe X", 18, 15, "JEAN-CHRISTOPH "},
        {"accents kept, other letters plain", "<NAME:16>Ren\xC3\xA9 \xC5\x81uk \xD0\x96", 18, 8, u"RENÉ LUK"_qs},
        {"report replaced", "<RST_SENT:3>-05", 67, 7, "XX  -05"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp;
        const QByteArray call = c.fields.contains("<CALL") ? QByteArray() : "F1AAA";
        const adif::ImportResult r = imp.run(qso(call, "20080125", "1435", c.fields));
        ASSERT_TRUE(r.ok);
        ASSERT_EQ(r.imported, 1);
        EXPECT_EQ(imp.imported(r)[0].size(), QsoRecord::RecordLineLength);
        EXPECT_EQ(imp.imported(r)[0].mid(c.column, c.width), c.expected);
    }
}

// The station's locator and power score every QSO: an import refuses values
// the entry would refuse, with its message, and leaves the log as it was.
TEST(AdifImport, StationValuesAreCheckedAsTheEntryChecksThem)
{
    const struct {
        StationKind kind;
        QString locator, power, message;
    } cases[] = {
        {StationKind::Fixed, "ZZ99ZZ", "5", "Erreur dans la saisie du locator"},
        {StationKind::Fixed, "JN18G", "5", "Le locator doit comporter 6 caracteres"},
        {StationKind::Fixed, "JN18GU", "0", "Entrez la puissance de l'emetteur"},
        {StationKind::Fixed, "JN18GU", "", "Entrez la puissance de l'emetteur"},
        {StationKind::Fixed, "JN18GU", QString(400, u'9'), "Attention 10 Watts maximum"},
        {StationKind::Portable, "JN18ZZ", "5", "6 caracteres pour le locator"},
        {StationKind::Portable, "", "5", "Entrez le locator du portable"},
        {StationKind::Portable, "JN18GU", "5W", "Que des chiffres pour la puissance"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locator.toStdString() + " " + c.power.toStdString());
        Import imp(c.kind);
        imp.request.ownLocator = c.locator;
        imp.request.power = c.power;
        const QByteArray before = imp.folder.read(imp.logName());
        const adif::ImportResult r = imp.run(qso("F1AAA", "20080125", "1435", "<GRIDSQUARE:6>JN03TJ<BAND:3>40m"));
        EXPECT_FALSE(r.ok);
        ASSERT_EQ(r.messages.size(), 1);
        EXPECT_EQ(r.messages[0], c.message + "\r\nLe log est resté tel qu'il était.");
        EXPECT_EQ(imp.folder.read(imp.logName()), before);
    }
}

TEST(AdifImport, FifthQsoBonus)
{
    const struct {
        const char *what;
        StationKind kind;
        QDate today;
        QString points, bonus;
    } cases[] = {
        {"portable in December", StationKind::Portable, QDate(2026, 12, 7), "4", "15"},
        {"portable in February", StationKind::Portable, QDate(2027, 2, 28), "4", "15"},
        {"portable in June", StationKind::Portable, QDate(2026, 6, 1), "4", "10"},
        {"fixed station", StationKind::Fixed, QDate(2026, 12, 7), "1", "  "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp(c.kind, c.today);
        QByteArray file = "<EOH>";
        for (int i = 0; i < 6; ++i)
            file += qso("F1AA" + QByteArray::number(i), "20080125", "140" + QByteArray::number(i));
        const adif::ImportResult r = imp.run(file);
        ASSERT_TRUE(r.ok);
        ASSERT_EQ(r.imported, 6);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(imp.imported(r)[i].mid(131), c.points + "  " + (i == 4 ? c.bonus : "  ")) << i;
        }
        EXPECT_EQ(r.outingQsoCount, 3); // the live outing is not the import's
    }
}

// A QSO already in the log (same callsign, date, time to the minute, band and
// mode, as they would be stored) is not imported again; the closing message
// counts those skipped. Two identical records of one file are two QSOs.
TEST(AdifImport, QsosAlreadyInTheLogAreSkipped)
{
    const QByteArray cw20 = "<BAND:3>20m<MODE:2>CW";
    const struct {
        const char *what;
        QByteArray file;
        int added, skipped;
    } cases[] = {
        {"the same QSO", qso("F1AAA", "20080125", "1435", cw20), 0, 1},
        {"seconds do not count", qso("F1AAA", "20080125", "143559", cw20), 0, 1},
        {"a frequency of the band", qso("F1AAA", "20080125", "1435", "<FREQ:6>14.070<MODE:2>CW"), 0, 1},
        {"typed in lower case", qso("f1aaa", "20080125", "1435", "<BAND:3>20m<MODE:2>cw"), 0, 1},
        {"another band", qso("F1AAA", "20080125", "1435", "<BAND:3>40m<MODE:2>CW"), 1, 0},
        {"another mode", qso("F1AAA", "20080125", "1435", "<BAND:3>20m<MODE:3>SSB"), 1, 0},
        {"a mode the import cuts to another", qso("F1AAA", "20080125", "1435", "<BAND:3>20m<MODE:4>CWXX"), 1, 0},
        {"another minute", qso("F1AAA", "20080125", "1436", cw20), 1, 0},
        {"another day", qso("F1AAA", "20080126", "1435", cw20), 1, 0},
        {"twice in the file, not in the log", qso("F2BBB", "20080125", "1435", cw20) + qso("F2BBB", "20080125", "1435", cw20), 2, 0},
        {"half of the file in the log", qso("F1AAA", "20080125", "1435", cw20) + qso("F3CCC", "20080125", "1500", cw20), 1, 1},
        {"two in the log", qso("F1AAA", "20080125", "1435", cw20) + qso("F1AAA", "20080125", "1435", cw20), 0, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp;
        imp.setLog({logLine("F1AAA", "25/01/08", "14:35")});
        const QByteArray before = imp.folder.read(imp.logName());
        const adif::ImportResult r = imp.run("<EOH>" + c.file);
        ASSERT_TRUE(r.ok) << r.messages.join('|').toStdString();
        EXPECT_EQ(r.imported, c.added);
        EXPECT_EQ(imp.logLines().size(), 1 + c.added);
        if (c.added == 0) {
            EXPECT_EQ(imp.folder.read(imp.logName()), before) << "nothing to write";
        }
        const QString skipped = c.skipped == 1
                                    ? QStringLiteral("1 QSO déjà présent dans le log n'a pas été importé")
                                    : QStringLiteral("%1 QSO déjà présents dans le log n'ont pas été importés").arg(c.skipped);
        EXPECT_EQ(r.summary.contains(skipped), c.skipped > 0) << r.summary.toStdString();
    }
}

// The closing message: what was added, what was left out and why, the power rule.
TEST(AdifImport, ClosingMessageCountsWhatWasLeftOut)
{
    const QByteArray cw = "<MODE:2>CW";
    const struct {
        const char *what;
        QByteArray file;
        QString power;
        int added;
        QString summary;
    } cases[] = {
        {"a clean import", qso("F1AAA", "20080125", "1435", "<BAND:3>20m" + cw), "5", 1,
         "1 QSO importé dans le log F0ABC_QRP.log."},
        {"bands off the contest, by the band named",
         qso("F1AAA", "20080125", "1435", "<BAND:3>60m" + cw) + qso("F1BBB", "20080125", "1436", "<BAND:3>60M" + cw)
             + qso("F1CCC", "20080125", "1437", "<BAND:2>4m" + cw) + qso("F1DDD", "20080125", "1438", "<FREQ:5>5.357")
             + qso("F1EEE", "20080125", "1439", "<BAND:3>20m" + cw) + qso("F1FFF", "20080125", "1440", "<BAND:3>20m" + cw),
         "5", 2,
         "2 QSO importés dans le log F0ABC_QRP.log.\r\n4M : 1 QSO non importé, bande hors concours\r\n"
         "60M : 2 QSO non importés, bande hors concours\r\nFREQ 5.357 : 1 QSO non importé, bande hors concours"},
        {"nothing but bands off the contest", qso("F1AAA", "20080125", "1435", "<BAND:4>630m" + cw), "5", 0,
         "Aucun QSO importé dans le log F0ABC_QRP.log.\r\n630M : 1 QSO non importé, bande hors concours"},
        {"CW and digital above 5 W", qso("F1AAA", "20080125", "1435", "<BAND:3>20m" + cw)
             + qso("F1BBB", "20080125", "1436", "<BAND:3>20m<MODE:3>FT8") + qso("F1CCC", "20080125", "1437", "<BAND:3>20m<MODE:3>USB"),
         "8", 3,
         "3 QSO importés dans le log F0ABC_QRP.log.\r\nLe règlement limite la puissance à 5 W en CW et en DIGI : "
         "2 QSO en CW ou en DIGI sont comptés à 8 W."},
        {"phone only at 10 W", qso("F1AAA", "20080125", "1435", "<BAND:3>20m<MODE:3>SSB")
             + qso("F1BBB", "20080125", "1436", "<BAND:3>20m<MODE:2>FM"), "10", 2,
         "2 QSO importés dans le log F0ABC_QRP.log."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp;
        imp.request.power = c.power;
        const adif::ImportResult r = imp.run("<EOH>" + c.file);
        ASSERT_TRUE(r.ok) << r.messages.join('|').toStdString();
        EXPECT_EQ(r.imported, c.added);
        EXPECT_EQ(imp.logLines().size(), c.added);
        EXPECT_EQ(r.summary, c.summary);
        EXPECT_TRUE(r.messages.isEmpty()) << r.messages.join('|').toStdString();
    }
}

// The bonus goes to the fifth QSO the import adds, not to a skipped one.
TEST(AdifImport, SkippedQsosDoNotCountTowardsTheBonus)
{
    Import imp(StationKind::Portable, QDate(2026, 6, 1));
    imp.setLog({logLine("F1AA0", "25/01/08", "14:00"), logLine("F1AA1", "25/01/08", "14:01")});
    QByteArray file = "<EOH>";
    for (int i = 0; i < 7; ++i)
        file += qso("F1AA" + QByteArray::number(i), "20080125", "140" + QByteArray::number(i), "<BAND:3>20m<MODE:2>CW");
    const adif::ImportResult r = imp.run(file);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.imported, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(imp.imported(r)[i].mid(134, 2), i == 4 ? "10" : "  ") << i;
}

// Importing the export of a log into that log adds nothing.
TEST(AdifImport, ReimportingTheExportAddsNothing)
{
    Import imp;
    QStringList log;
    for (int i = 0; i < 5; ++i)
        log << logLine(QStringLiteral("F%1ABC").arg(i), QStringLiteral("1%1/06/99").arg(i), "14:35");
    imp.setLog(log);
    const adif::ExportResult exported = adif::exportFixedLog(imp.folder.dir(), "F0ABC");
    ASSERT_TRUE(exported.ok);
    imp.request.adifPath = exported.path;
    const adif::ImportResult r = adif::importFile(imp.request);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.imported, 0);
    EXPECT_EQ(imp.logLines(), log);
    EXPECT_EQ(r.summary, "Aucun QSO importé dans le log F0ABC_QRP.log.\r\n"
                         "5 QSO déjà présents dans le log n'ont pas été importés");
}

TEST(AdifImport, BlockGoesWhereTheFirstRecordBelongs)
{
    const QStringList log = {logLine("F1A", "01/01/08", "10:00"), logLine("F1B", "05/01/08", "10:00"),
                             logLine("F1C", "10/01/08", "10:00")};
    const struct {
        const char *what;
        QByteArray date, time;
        qsizetype at;
    } cases[] = {
        {"between 05/01/08 and 10/01/08", "20080107", "0000", 2},
        {"after every line", "20080111", "0000", 3},
        {"before every line", "19991231", "2359", 0},
        {"same moment: before it", "20080105", "1000", 1},
        {"a minute later", "20080105", "1001", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp;
        imp.setLog(log);
        const adif::ImportResult r =
            imp.run("<EOH>" + qso("F9X", c.date, c.time) + qso("F9Y", "20080102", "0000"));
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.insertedAt, c.at);
        QStringList lines = imp.logLines();
        EXPECT_EQ(QsoRecord::fromRecordLine(lines.value(c.at)).Indicatif.trimmed(), "F9X");
        EXPECT_EQ(QsoRecord::fromRecordLine(lines.value(c.at + 1)).Indicatif.trimmed(), "F9Y");
        lines.remove(c.at, r.imported);
        EXPECT_EQ(lines, log);
    }
}

// The import rewrites the log from its bytes: its own lines go back as they
// were, each ended by CR LF whatever ended it before (LF alone, nothing at the
// end of the file), a hand-added line's bytes outside ASCII included.
TEST(AdifImport, TheLogsOwnLinesGoBackEachEndedByCrLf)
{
    const QByteArray a = cp1252::encode(logLine("F1A", "01/01/08", "10:00"));
    const QByteArray b = cp1252::encode(logLine("F1B", "10/01/08", "10:00"));
    const QByteArray note = "\x81 \xe9t\xe9 \x80 \rnote";
    const struct {
        const char *what;
        QByteArray log, date, expected; // '@' stands for the imported line
    } cases[] = {
        {"last line without its end, block after it", a + "\r\n" + b, "20080111", a + "\r\n" + b + "\r\n@"},
        {"LF alone and a blank line, block inside", a + "\n\n" + b + "\n", "20080105", a + "\r\n\r\n@" + b + "\r\n"},
        {"a hand-added line last, without its end", a + "\r\n" + note, "20071231", "@" + a + "\r\n" + note + "\r\n"},
        {"an empty log", "", "20080105", "@"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp;
        imp.folder.write(imp.logName(), c.log);
        const adif::ImportResult r = imp.run("<EOH>" + qso("F9X", c.date, "1200"));
        ASSERT_TRUE(r.ok) << r.messages.join('|').toStdString();
        ASSERT_EQ(r.imported, 1);
        QByteArray expected = c.expected;
        expected.replace("@", cp1252::encode(imp.imported(r).value(0)) + "\r\n");
        EXPECT_EQ(imp.folder.read(imp.logName()), expected);
    }
}

// The block goes by the first record that has a valid date, at 00:00 when
// it has no time, whatever the order of the records; no date at all: at the end.
TEST(AdifImport, BlockGoesByTheFirstDatedRecord)
{
    const QStringList log = {logLine("F1A", "01/01/08", "10:00"), logLine("F1B", "05/01/08", "10:00"),
                             logLine("F1C", "10/01/08", "10:00")};
    const struct {
        const char *what;
        QByteArray records;
        qsizetype at;
        QStringList messages;
    } cases[] = {
        {"no time: 00:00 of its day", qso("F9X", "20080105", "") + qso("F9Y"), 1,
         {u"Heure absente, remplacée par 00:00 (1 QSO concerné)"_qs}},
        {"no date: the next dated record", qso("F9X", "", "") + qso("F9Y", "20080107", "1200"), 2,
         {u"Date absente, remplacée par 01/01/2000 (1 QSO concerné)"_qs,
          u"Heure absente, remplacée par 00:00 (1 QSO concerné)"_qs}},
        {"the same records the other way round", qso("F9Y", "20080107", "1200") + qso("F9X", "", ""), 2,
         {u"Date absente, remplacée par 01/01/2000 (1 QSO concerné)"_qs,
          u"Heure absente, remplacée par 00:00 (1 QSO concerné)"_qs}},
        {"invalid date: the next dated record", qso("F9X", "20080230", "1000") + qso("F9Y", "20080103", "0900"), 1,
         {u"Date invalide, remplacée par 01/01/2000 (1 QSO concerné)"_qs}},
        {"invalid time: 00:00", qso("F9X", "20080105", "2561"), 1,
         {u"Heure invalide, remplacée par 00:00 (1 QSO concerné)"_qs}},
        {"no date anywhere: at the end", qso("F9X", "", "1000") + qso("F9Y", "2008", ""), 3,
         {u"Date absente, remplacée par 01/01/2000 (1 QSO concerné)"_qs,
          u"Date invalide, remplacée par 01/01/2000 (1 QSO concerné)"_qs,
          u"Heure absente, remplacée par 00:00 (1 QSO concerné)"_qs}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp;
        imp.setLog(log);
        const adif::ImportResult r = imp.run("<EOH>" + c.records);
        ASSERT_TRUE(r.ok) << r.messages.join('|').toStdString();
        EXPECT_EQ(r.insertedAt, c.at);
        EXPECT_EQ(r.messages, c.messages);
        QStringList lines = imp.logLines();
        lines.remove(c.at, r.imported);
        EXPECT_EQ(lines, log);
    }
}

TEST(AdifImport, RoundTripThroughTheExport)
{
    Import imp;
    QStringList log;
    for (int i = 0; i < BandList.size(); ++i) {
        QsoRecord r = QsoRecord::fromRecordLine(logLine(QStringLiteral("F%1ABC/P").arg(i), "25/01/08", "14:35"));
        r.QRG = BandList[i];
        r.Prenom = u"RENÉ"_qs;
        r.Loc = i % 2 ? "JN03TJ" : "";
        r.Mode = ModeList[i % 3];
        r.Date = QStringLiteral("%1/06/99").arg(10 + i);
        log.append(r.recordLine());
    }
    imp.setLog(log);
    const adif::ExportResult exported = adif::exportFixedLog(imp.folder.dir(), "F0ABC");
    ASSERT_TRUE(exported.ok);

    imp.request.kind = StationKind::Portable;
    imp.request.adifPath = exported.path;
    imp.setLog({});
    const adif::ImportResult r = adif::importFile(imp.request);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.messages.isEmpty()) << r.messages.join('|').toStdString();
    ASSERT_EQ(r.imported, log.size());
    for (int i = 0; i < log.size(); ++i) {
        const QsoRecord a = QsoRecord::fromRecordLine(log[i]);
        const QsoRecord b = QsoRecord::fromRecordLine(imp.imported(r)[i]);
        for (auto field : {&QsoRecord::Indicatif, &QsoRecord::Prenom, &QsoRecord::Loc, &QsoRecord::Date,
                           &QsoRecord::QTR, &QsoRecord::Mode, &QsoRecord::QRG, &QsoRecord::RstR, &QsoRecord::RstE})
            EXPECT_EQ(b.*field, a.*field) << i;
    }
}

TEST(AdifImport, RefusalsLeaveTheLogUntouched)
{
    const QStringList log = {logLine("F1A", "01/01/08", "10:00")};
    QByteArray tooMany = "<EOH>";
    for (int i = 0; i < 3; ++i)
        tooMany += qso("F9X");
    const struct {
        const char *what;
        QByteArray file;
        const char16_t *message; // a part of the one message
        int logSize = 1;
    } cases[] = {
        {"no record", "header only\n<ADIF_VER:5>3.1.0<EOH>\n", u"ne contient aucun QSO"},
        {"empty file", "", u"ne contient aucun QSO"},
        {"more than the log can hold", tooMany, u"ne peut pas contenir plus de 99999 QSO : il en contient déjà 99997",
         QsoRecord::MaxQsoNumber - 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp;
        QStringList lines = log;
        while (lines.size() < c.logSize)
            lines.append("x");
        imp.setLog(lines);
        const QByteArray before = imp.folder.read(imp.logName());
        const adif::ImportResult r = imp.run(c.file);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.imported, 0);
        ASSERT_EQ(r.messages.size(), 1);
        EXPECT_TRUE(r.messages[0].contains(QString::fromUtf16(c.message))) << r.messages[0].toStdString();
        EXPECT_TRUE(r.messages[0].endsWith(u"Le log est resté tel qu'il était."_qs));
        EXPECT_EQ(imp.folder.read(imp.logName()), before);
    }
}

TEST(AdifImport, LogFullToTheLastQsoIsAccepted)
{
    Import imp;
    imp.setLog(QStringList(QsoRecord::MaxQsoNumber - 2, "x"));
    const adif::ImportResult r = imp.run("<EOH>" + qso("F9X") + qso("F9Y"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(imp.logLines().size(), QsoRecord::MaxQsoNumber);
}

TEST(AdifImport, FailureOrCancelHalfWayLeavesTheLogUntouched)
{
    QByteArray file = "<EOH>";
    for (int i = 0; i < 20000; ++i)
        file += qso("F9X");
    {
        Import imp;
        imp.setLog({logLine("F1A", "01/01/08", "10:00")});
        const QByteArray before = imp.folder.read(imp.logName());
        int calls = 0;
        const adif::ImportResult r = imp.run(file, [&](qint64, qint64) { return ++calls < 2; });
        EXPECT_TRUE(r.cancelled);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(imp.folder.read(imp.logName()), before);
    }
    {
        Import imp;
        imp.setLog({logLine("F1A", "01/01/08", "10:00")});
        const QByteArray before = imp.folder.read(imp.logName());
        FailingWriter failing;
        const adif::ImportResult r = imp.run(file, {}, failing);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(failing.attempts, 1);
        ASSERT_EQ(r.messages.size(), 1);
        EXPECT_TRUE(r.messages[0].contains("disque plein"));
        EXPECT_EQ(imp.folder.read(imp.logName()), before);
    }
    {
        Import imp;
        imp.folder.write(imp.logName(), {});
        QFile::remove(imp.folder.path(imp.logName()));
        const adif::ImportResult r = imp.run(file);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.messages.value(0).contains("F0ABC_QRP.log"));
        EXPECT_FALSE(imp.folder.exists(imp.logName()));
    }
    {
        Import imp;
        imp.request.adifPath = imp.folder.path("absent.adi");
        const adif::ImportResult r = adif::importFile(imp.request);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.messages.value(0).contains("absent.adi"));
    }
}

// A file that another program rewrites while it is imported: a clean refusal,
// never a crash, and the log as it was.
TEST(AdifImport, FileThatChangesWhileReadIsRefused)
{
    QByteArray file = "<EOH>";
    for (int i = 0; i < 40000; ++i)
        file += qso("F9X");
    const struct {
        const char *what;
        std::function<void(QFile &)> change;
        double at = 0; // share of the file read when it changes
    } cases[] = {
        {"emptied", [](QFile &f) { f.resize(0); }},
        {"cut in half", [&](QFile &f) { f.resize(file.size() / 2); }},
        {"grown", [](QFile &f) { f.open(QIODevice::Append) && f.write("<CALL:5>F1ZZZ<EOR>\n"); }},
        // The records are parsed as the file is read: what was read of it is not imported alone.
        {"emptied past its middle", [](QFile &f) { f.resize(0); }, 0.6},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Import imp;
        imp.setLog({logLine("F1A", "01/01/08", "10:00")});
        const QByteArray before = imp.folder.read(imp.logName());
        bool changed = false;
        const adif::ImportResult r = imp.run(file, [&](qint64 done, qint64 total) {
            if (!changed && done >= c.at * total) {
                QFile f(imp.request.adifPath);
                c.change(f);
                changed = true;
            }
            return true;
        });
        EXPECT_TRUE(changed);
        EXPECT_FALSE(r.ok);
        ASSERT_EQ(r.messages.size(), 1);
        EXPECT_TRUE(r.messages[0].contains(u"in.adi a changé pendant sa lecture"_qs)) << r.messages[0].toStdString();
        EXPECT_EQ(imp.folder.read(imp.logName()), before);
    }
}

// Files with no size to trust are read until their end: a named pipe.
TEST(AdifImport, NamedPipeIsReadToTheEnd)
{
    Import imp;
    QByteArray file = "<EOH>";
    for (int i = 0; i < 3000; ++i) // more than a pipe holds at once
        file += qso("F9X");
    std::signal(SIGPIPE, SIG_IGN); // a reader that stops early fails the test, not the run
    const QByteArray fifo = QFile::encodeName(imp.request.adifPath);
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    std::thread writer([&] {
        const int fd = ::open(fifo.constData(), O_WRONLY);
        for (qsizetype done = 0; fd >= 0 && done < file.size();) {
            const ssize_t n = ::write(fd, file.constData() + done, size_t(file.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        if (fd >= 0)
            ::close(fd);
    });
    const adif::ImportResult r = adif::importFile(imp.request);
    // Should the import not have opened the pipe, this frees the writer.
    if (const int fd = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK); fd >= 0)
        ::close(fd);
    writer.join();
    ASSERT_TRUE(r.ok) << r.messages.join('|').toStdString();
    EXPECT_EQ(r.imported, 3000);
    EXPECT_EQ(imp.logLines().size(), 3000);
}

TEST(AdifImport, RequestFromTheStoredSettings)
{
    MemorySettingsStore settings;
    EXPECT_EQ(adif::storedCallsign(settings), "FXXXX");
    settings.write("Setup ", "Indicatif Station", "F0ABC");
    settings.write("Setup ", "Locator Station", "JN18GU");
    settings.write("Setup F0ABC", "Pwr Fixe", "5");
    settings.write("Setup F0ABC", "Pwr Portable", "2");
    settings.write("Setup F0ABC", "Locator Portable", "JN03TJ");
    settings.write("Setup F0ABC", "Bonus", "4");
    settings.write("Setup F1XYZ", "Pwr Fixe", "9");
    EXPECT_EQ(adif::storedCallsign(settings), "F0ABC");

    const QDate today(2026, 12, 7);
    const adif::ImportRequest fixed =
        adif::requestFromSettings(settings, "/data", "F0ABC", StationKind::Fixed, today, "/x.adi");
    EXPECT_EQ(fixed.ownLocator, "JN18GU");
    EXPECT_EQ(fixed.power, "5");
    EXPECT_EQ(fixed.outingQsoCount, 4);
    EXPECT_EQ(fixed.adifPath, "/x.adi");
    EXPECT_EQ(fixed.today, today);
    const adif::ImportRequest portable =
        adif::requestFromSettings(settings, "/data", "F0ABC", StationKind::Portable, today, "/x.adi");
    EXPECT_EQ(portable.ownLocator, "JN03TJ");
    EXPECT_EQ(portable.power, "2");
    EXPECT_EQ(portable.kind, StationKind::Portable);
}
