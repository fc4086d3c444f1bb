#include "core/adif/AdifBands.h"
#include "core/adif/AdifExport.h"
#include "core/storage/Cp1252.h"
#include "core/storage/QsoRecord.h"

#include "support/FailingWriter.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pendrel;
using namespace pendrel::test;

namespace {

QString line(const QString &call, const QString &name, const QString &loc, const QString &band,
             const QString &mode, const QString &date, const QString &time, const QString &qth = {})
{
    QsoRecord r;
    r.Indicatif = call; r.Dpt = "31"; r.Prenom = name; r.Loc = loc; r.Date = date; r.QTR = time;
    r.Mode = mode; r.QRG = band; r.RstR = "599"; r.RstE = "579"; r.QTH = qth; r.QRB = "512";
    r.MyLoc = "JN18GU"; r.Pwr = "5"; r.KmW = "102"; r.Pts = "1";
    return r.recordLine();
}

const QByteArray kHeader = "Exportation du log de la station F0ABC au format ADIF\r\n\r\n"
                           "Fichier cr\xE9\xE9 par Pendrel, carnet de trafic du concours Kerlan QRP\r\n\r\n\r\n<eoh>\r\n";

} // namespace

TEST(AdifExport, RecordOfTheExampleByteForByte)
{
    EXPECT_EQ(ADIF_SP(line("FXXXX", "Jean", "JN03TJ", "7.0 Mhz", "CW", "25/01/08", "14:35", "Toulouse")),
              "<call:5>FXXXX<name:4>Jean<gridsquare:6>JN03TJ<band:3>40m<mode:2>CW<qso_date:8>20080125"
              "<time_on:4>1435<rst_rcvd:3>599<rst_sent:3>579<comment:8>Toulouse<eor>");
}

TEST(AdifExport, RecordEdgeCases)
{
    const struct {
        const char *what;
        QString line;
        QString expected;
    } cases[] = {
        {"no locator, no first name, no QTH", line("F0ABC/P", "", "", "144 Mhz", "SSB", "01/02/10", "09:05"),
         "<call:7>F0ABC/P<name:0><band:2>2m<mode:3>SSB<qso_date:8>20100201<time_on:4>0905<rst_rcvd:3>599"
         "<rst_sent:3>579<comment:0><eor>"},
        {"year 99 is 1999", line("F0ABC", "A", "", "14 Mhz", "CW", "31/12/99", "23:59"),
         "<call:5>F0ABC<name:1>A<band:3>20m<mode:2>CW<qso_date:8>19991231<time_on:4>2359<rst_rcvd:3>599"
         "<rst_sent:3>579<comment:0><eor>"},
        {"year 49 is 2049, unknown band", line("F0ABC", "A", "", "7 Mhz", "CW", "01/01/49", "00:00"),
         "<call:5>F0ABC<name:1>A<band:0><mode:2>CW<qso_date:8>20490101<time_on:4>0000<rst_rcvd:3>599"
         "<rst_sent:3>579<comment:0><eor>"},
        {"short hand-edited line", "F0ABC", "<call:5>F0ABC<name:0><band:0><mode:0><qso_date:2>20<time_on:0>"
                                            "<rst_rcvd:0><rst_sent:0><comment:0><eor>"},
        {"blanks of a hand edit around a value", u"\u00A0F\u00C9ABC\t  "_qs,
         u"<call:5>FÉABC<name:0><band:0><mode:0><qso_date:2>20<time_on:0><rst_rcvd:0><rst_sent:0><comment:0><eor>"_qs},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ADIF_SP(c.line), c.expected);
        // The export reads the same line from the log's bytes.
        TempFolder folder;
        folder.write("F0ABC_QRP.log", cp1252::encode(c.line) + "\r\n");
        ASSERT_TRUE(adif::exportFixedLog(folder.dir(), "F0ABC").ok);
        EXPECT_EQ(folder.read("F0ABC_QRP.adi"), kHeader + cp1252::encode(c.expected) + "\r\n");
    }
}

TEST(AdifBands, BothWays)
{
    const struct {
        const char *log, *adif;
    } table[] = {{"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"},  {"10 Mhz", "30m"},
                 {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},   {"24 Mhz", "12m"},
                 {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},   {"432 Mhz", "70cm"},
                 {"1.3Ghz", "23cm"},  {"2.3 Ghz", "13cm"}, {"5.7 Ghz", "6cm"}, {"10 Ghz", "3cm"},
                 {"24 Ghz", "1.25cm"}};
    for (const auto &b : table) {
        SCOPED_TRACE(b.log);
        EXPECT_EQ(adif::exportBandName(QString::fromLatin1(b.log)), b.adif);
        EXPECT_EQ(adif::bandFromName(QByteArray(b.adif).toUpper()), b.log);
    }
    for (const char *unknown : {"", "7 Mhz", "144 mhz", "60 Mhz"})
        EXPECT_EQ(adif::exportBandName(QString::fromLatin1(unknown)), QString()) << unknown;

    const struct {
        const char *source;
        const char *band;
    } names[] = {{"1.8", "1.8 Mhz"}, {"3", "3.5 Mhz"}, {"3.6", "3.5 Mhz"}, {"145", "144 Mhz"}, {"1300", "1.3Ghz"},
                 {"5660", "5.7 Ghz"}, {"10000", "10 Ghz"}, {"24000", "24 Ghz"}, {"60M", ""}, {"6MM", ""},
                 {"SUBMM", ""}, {"", ""}};
    for (const auto &n : names)
        EXPECT_EQ(adif::bandFromName(n.source), n.band) << n.source;

    const struct {
        const char *freq;
        const char *band;
    } freqs[] = {{"7.030", "7.0 Mhz"},   {"144", "144 Mhz"},   {"14.0600", "14 Mhz"}, {"1.838", "1.8 Mhz"},
                 {"1296.200", "1.3Ghz"}, {"14200", "14 Mhz"},  {"7038276", "7.0 Mhz"}, {"28", "28 Mhz"},
                 {"10.136", "10 Mhz"},   {"50,313", "50 Mhz"}, {"5.357", ""},         {"abc", ""},
                 {"1.2.3", ""},          {"", ""},             {"-14.1", ""},         {"10368.1", "10 Ghz"}};
    for (const auto &f : freqs)
        EXPECT_EQ(adif::bandFromFrequency(f.freq), f.band) << f.freq;
}

TEST(AdifExport, EmptyLogGivesTheSixHeaderLines)
{
    TempFolder folder;
    folder.write("F0ABC_QRP.log", "");
    const adif::ExportResult r = adif::exportFixedLog(folder.dir(), "F0ABC");
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.qsoCount, 0);
    EXPECT_EQ(r.message, u"Le fichier a été enregistré sous le nom : F0ABC_QRP.adi"_qs);
    EXPECT_EQ(folder.read("F0ABC_QRP.adi"), kHeader);
}

TEST(AdifExport, WritesTheFixedLogOnlyAndOverwrites)
{
    TempFolder folder;
    const QString a = line("F1AAA", "Rémi", "JN03TJ", "7.0 Mhz", "CW", "25/01/08", "14:35", "Toulouse");
    const QString b = line("F1BBB", "", "", "10 Mhz", "DIG", "26/01/08", "08:00");
    folder.write("F0ABC_P_QRP.log", (line("F9PPP", "", "", "14 Mhz", "CW", "01/01/08", "00:00") + "\r\n").toLatin1());
    folder.write("F0ABC_QRP.adi", "an older export that is longer than the new one ...........................\r\n");
    folder.write("F0ABC_QRP.log", cp1252::encode(a + "\r\n\r\n" + b + "\r\n"));

    const adif::ExportResult r = adif::exportFixedLog(folder.dir(), "F0ABC");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.qsoCount, 2); // the blank line is no QSO
    const QByteArray expected = kHeader + cp1252::encode(ADIF_SP(a)) + "\r\n" + cp1252::encode(ADIF_SP(b)) + "\r\n";
    EXPECT_EQ(folder.read("F0ABC_QRP.adi"), expected);
    EXPECT_TRUE(folder.read("F0ABC_QRP.adi").contains("<name:4>R\xE9mi"));
    EXPECT_FALSE(folder.read("F0ABC_QRP.adi").contains("F9PPP"));
}

TEST(AdifExport, FailuresLeaveTheFormerFileAndSaySo)
{
    TempFolder folder;
    const adif::ExportResult missing = adif::exportFixedLog(folder.dir(), "F0ABC");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.message.contains("F0ABC_QRP.log"));
    EXPECT_FALSE(folder.exists("F0ABC_QRP.adi"));

    folder.write("F0ABC_QRP.log", "");
    folder.write("F0ABC_QRP.adi", "before");
    FailingWriter failing;
    const adif::ExportResult failed = adif::exportFixedLog(folder.dir(), "F0ABC", failing);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failing.attempts, 1);
    EXPECT_TRUE(failed.message.contains("disque plein"));
    EXPECT_EQ(folder.read("F0ABC_QRP.adi"), "before");
}
