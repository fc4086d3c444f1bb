// Real files written by other loggers (tests/data/adif-samples, see SOURCES.md
// there), imported as the menu does, grouped by the shapes they exercise.
#include "core/adif/AdifImport.h"
#include "core/storage/Cp1252.h"
#include "core/storage/QsoRecord.h"

#include "support/AdifTestUtil.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace pendrel;
using namespace pendrel::test;

namespace {

struct Check {
    QString call; // the first imported QSO with this callsign
    QString QsoRecord::*field;
    QString expected;
};

struct Sample {
    const char *file;
    int records;
    int offBand; // records on a band the contest does not have: left out
    QStringList messages; // each message must start with one of these, in order
    QList<Check> checks;
};

adif::ImportResult importSample(const TempFolder &folder, const QString &file)
{
    adif::ImportRequest request;
    request.dataFolder = folder.dir();
    request.callsign = "F0ABC";
    request.ownLocator = "JN18GU";
    request.power = "5";
    request.today = QDate(2026, 3, 15);
    request.adifPath = samplePath(file);
    return adif::importFile(request);
}

int eorCount(const QByteArray &bytes)
{
    return bytes.toLower().count("<eor>");
}

void runGroup(const QList<Sample> &samples)
{
    for (const Sample &s : samples) {
        SCOPED_TRACE(s.file);
        const QByteArray bytes = sampleBytes(s.file);
        ASSERT_FALSE(bytes.isEmpty()) << "PENDREL_SOURCE_DIR must point at the sources";
        TempFolder folder;
        folder.write("F0ABC_QRP.log", "");
        const adif::ImportResult r = importSample(folder, s.file);
        ASSERT_TRUE(r.ok) << r.messages.join('|').toStdString();
        // One log line per QSO record, none lost for sharing a line with another.
        EXPECT_EQ(r.imported, s.records) << r.summary.toStdString();
        EXPECT_EQ(r.imported + s.offBand, eorCount(bytes));
        const QStringList lines = splitLines(cp1252::decode(folder.read("F0ABC_QRP.log")));
        EXPECT_EQ(lines.size(), r.imported);
        ASSERT_EQ(r.messages.size(), s.messages.size()) << r.messages.join('|').toStdString();
        for (int i = 0; i < s.messages.size(); ++i)
            EXPECT_TRUE(r.messages[i].startsWith(s.messages[i])) << r.messages[i].toStdString();
        for (const QString &line : lines)
            ASSERT_EQ(line.size(), QsoRecord::RecordLineLength) << line.toStdString();
        for (const Check &c : s.checks) {
            const auto it = std::find_if(lines.begin(), lines.end(), [&](const QString &l) {
                return QsoRecord::fromRecordLine(l).Indicatif.trimmed() == c.call;
            });
            ASSERT_NE(it, lines.end()) << c.call.toStdString();
            EXPECT_EQ((QsoRecord::fromRecordLine(*it).*c.field).trimmed(), c.expected) << c.call.toStdString();
        }
    }
}

const QString kBandMissing = u"Bande absente, remplacée par 1.8 Mhz"_qs;

} // namespace

TEST(AdifSamples, TextHeadersAndRecordLayouts)
{
    if (!samplesShipped())
        GTEST_SKIP() << "tests/data/adif-samples is left out of source tarballs";
    runGroup({
        {"wsjtx-2.7-ft8-header-fields.adi", 51, 0, {},
         {{"RU3QR", &QsoRecord::QTR, "13:07"}, {"RU3QR", &QsoRecord::QRG, "28 Mhz"},
          {"RU3QR", &QsoRecord::Loc, ""}, {"RU3QR", &QsoRecord::RstR, "-10"}, {"HB9VKL", &QsoRecord::Loc, "JN36"}}},
        {"wsjtx-1.x-jt65-eoh-only.adi", 74, 0, {},
         {{"KL3MM", &QsoRecord::Date, "23/05/15"}, {"KL3MM", &QsoRecord::QTR, "02:47"},
          {"KL3MM", &QsoRecord::Mode, "JT6"}, {"KL3MM", &QsoRecord::QRB, "0"}}},
        {"n1mm-contest-crlf.adi", 25, 0, {},
         {{"OK7PN", &QsoRecord::Date, "19/02/22"}, {"OK7PN", &QsoRecord::QRG, "14 Mhz"},
          {"OK7PN", &QsoRecord::RstE, "599"}}},
        {"clublog-export-one-line-records.adi", 14, 0, {},
         {{"K2CNN", &QsoRecord::Loc, "EM63BF"}, {"K2CNN", &QsoRecord::QTR, "18:20"},
          {"OL90ROH", &QsoRecord::QTR, "19:38"}}},
        {"cqrlog-2.0.4-naqp.adi", 13, 0, {},
         {{"W6AFA", &QsoRecord::Prenom, "ALEXANDER"}, {"W6AFA", &QsoRecord::QTH, "STUDIO CITY"},
          {"W6AFA", &QsoRecord::QRG, "3.5 Mhz"}, {"N7KRN", &QsoRecord::RstE, "5NA"}}},
        {"xlog-2.0.11-export.adi", 425, 0, {},
         {{"W6NEV", &QsoRecord::QRG, "144 Mhz"}, {"W6NEV", &QsoRecord::Mode, "FM"}}},
        {"lotw-report-eof-crlf.adi", 1, 0, {},
         {{"K7WXB", &QsoRecord::Loc, "DN40DA"}, {"K7WXB", &QsoRecord::QRG, "7.0 Mhz"}}},
        {"qlog-all-fields-example.adi", 1, 0, {},
         {{"N1MM", &QsoRecord::Prenom, "JANE SMITH"}, {"N1MM", &QsoRecord::QRG, "14 Mhz"},
          {"N1MM", &QsoRecord::QTH, "NEW HAVEN"}, {"N1MM", &QsoRecord::QTR, "11:00"}}},
        {"n3fjp-aclog-mixed-case.adi", 438, 0, {},
         {{"N5ILQ", &QsoRecord::Loc, "EM15"}, {"N5ILQ", &QsoRecord::QTR, "18:20"}, {"N5ILQ", &QsoRecord::Mode, "CW"}}},
        {"mixw2-tags-without-length.adi", 14, 0, {},
         {{"W5UGD", &QsoRecord::QRG, "3.5 Mhz"}, {"W5UGD", &QsoRecord::RstR, "599"},
          {"CE0YHF/QRP", &QsoRecord::QRG, "24 Mhz"}}},
    });
}

TEST(AdifSamples, EncodingsAndCounts)
{
    if (!samplesShipped())
        GTEST_SKIP() << "tests/data/adif-samples is left out of source tarballs";
    runGroup({
        {"n1mm-ft8-cp1252-part.adi", 281, 0, {},
         {{"XQ7IR", &QsoRecord::Prenom, u"FELIPE A GUTIÉ"_qs}, {"R7KKO", &QsoRecord::QTH, "SIMFEROPOL, CRIMEA"}}},
        {"hamrs-pota-utf8-charcount.adi", 72, 0, {},
         {{"YV1SW", &QsoRecord::QTH, u"TÍA JUANA ZULIA"_qs}, {"EA9LS", &QsoRecord::Prenom, u"MARIANO ORDOÑE"_qs}}},
        {"qrz-logbook-utf8-truncated-part.adi", 211, 0, {},
         {{"VE2WFF", &QsoRecord::Prenom, u"CLAUDE CÔT"_qs}, {"VA2MKX", &QsoRecord::QTH, u"MONTRÉAL"_qs}}},
        {"logger32-typed-crlf-part.adi", 498, 5, {},
         {{"FT8WW", &QsoRecord::Date, "02/01/23"}, {"FT8WW", &QsoRecord::RstR, "-05"}}},
        {"log4om2-bom-json-part.adi", 73, 0, {},
         {{"KE8LVA", &QsoRecord::Prenom, "AARON M FRAZIE"}, {"KE8LVA", &QsoRecord::QTH, "WOOSTER"},
          {"KE8LVA", &QsoRecord::QRG, "7.0 Mhz"}, {"W6DIC", &QsoRecord::QTR, "00:44"}}},
    });
}

TEST(AdifSamples, NoHeaderOrOddHeaders)
{
    if (!samplesShipped())
        GTEST_SKIP() << "tests/data/adif-samples is left out of source tarballs";
    runGroup({
        {"headerless-satellite-log.adi", 708, 0, {},
         {{"K5MAN", &QsoRecord::Loc, "EM40LO"}, {"K5MAN", &QsoRecord::QTR, "02:25"}, {"K5MAN", &QsoRecord::QRG, "144 Mhz"}}},
        {"cloudlog-0.1-backup-hz-freq-part.adi", 983, 0,
         {u"Indicatif absent, remplacé par FXXXX (15 QSO concernés)"_qs, kBandMissing + " (15 QSO concernés)"},
         {{"ES3BR", &QsoRecord::QRG, "7.0 Mhz"}, {"FXXXX", &QsoRecord::Date, "01/01/70"}}},
        {"adif316-official-test-qsos-part.adi", 783, 471, {},
         {{"VE3AAA", &QsoRecord::Date, "27/06/25"}, {"VE3AAA", &QsoRecord::QRG, "14 Mhz"}}},
    });
}

// A logger that writes no TIME_ON: every QSO at 00:00 of its day, and said so.
TEST(AdifSamples, FileWithoutTimeOnIsImported)
{
    if (!samplesShipped())
        GTEST_SKIP() << "tests/data/adif-samples is left out of source tarballs";
    runGroup({
        {"loghx-no-time-on-crlf.adi", 423, 0, {u"Heure absente, remplacée par 00:00 (423 QSO concernés)"_qs},
         {{"LY310KD", &QsoRecord::Date, "01/01/24"}, {"LY310KD", &QsoRecord::QTR, "00:00"},
          {"LY310KD", &QsoRecord::Prenom, "RIMANTAS"}, {"LY310KD", &QsoRecord::QRG, "3.5 Mhz"}}},
    });
}

// Every sample, read as a slow pipe gives it, holds the same records as read
// whole: the reader waits for the bytes that could change a record.
TEST(AdifSamples, ReadAPieceAtATimeTheyHoldTheSameRecords)
{
    if (!samplesShipped())
        GTEST_SKIP() << "ADIF samples not shipped";
    const QStringList files = QDir(samplePath({})).entryList({"*.adi"}, QDir::Files);
    ASSERT_GT(files.size(), 10);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = sampleBytes(file);
        const QList<QByteArrayList> whole = rawRecords(bytes);
        ASSERT_FALSE(whole.isEmpty());
        for (const qsizetype piece : {61, 1000, 65536})
            EXPECT_EQ(rawRecords(bytes, piece), whole) << "read " << piece << " bytes at a time";
    }
}
