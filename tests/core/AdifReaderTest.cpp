#include "core/adif/AdifFile.h"
#include "core/adif/AdifReader.h"
#include "core/adif/RecordBatches.h"

#include "support/AdifTestUtil.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pendrel;
using namespace pendrel::test;

namespace {

struct Shape {
    const char *what;
    QByteArray bytes;
    int records;
    const char *field; // checked in the last record
    QString value;
};

void checkShapes(std::initializer_list<Shape> shapes)
{
    for (const Shape &s : shapes) {
        SCOPED_TRACE(s.what);
        const QList<FieldMap> records = readAll(s.bytes);
        ASSERT_EQ(records.size(), s.records);
        if (s.records > 0) {
            EXPECT_EQ(records.last().value(QString::fromLatin1(s.field)), s.value);
        }
    }
}

} // namespace

// Each shape: how many records come out, and one value of the last record.
TEST(AdifReader, FileShapes)
{
    checkShapes({
        {"no header at all", "<CALL:5>F0ABC<EOR><CALL:5>F1XYZ<EOR>", 2, "CALL", "F1XYZ"},
        {"text banner then header", "Export\r\nline two <x>\r\n<ADIF_VER:5>3.1.0<EOH>\r\n<CALL:4>F0AA<EOR>\r\n", 1, "CALL", "F0AA"},
        {"header starting with <", "<ADIF_VER:3>2.2<PROGRAMID:4>Test<EOH><call:4>F0AA<eor>", 1, "CALL", "F0AA"},
        {"header fields are no record", "<PROGRAMID:4>Test\n<EOH>\n", 0, "CALL", ""},
        {"# banner and byte-order mark", "\xEF\xBB\xBF# <made by> x\n<EOH>\n<CALL:4>F0AA<EOR>", 1, "CALL", "F0AA"},
        {"several records on one line", "<EOH><CALL:4>F0AA<EOR><CALL:4>F0BB<EOR><CALL:4>F0CC<EOR>", 3, "CALL", "F0CC"},
        {"one field per line", "<eoh>\n<call:4>\nF0AA\n<name:4>JEAN\n<eor>\n", 1, "NAME", "JEAN"},
        {"mixed-case tags", "<EoH><Call:4>F0AA<QSO_Date:8>20080125<eOr>", 1, "QSO_DATE", "20080125"},
        {"type indicator", "<EOH><QSO_DATE:8:D>20080125<CALL:4:s>F0AA<EOR>", 1, "QSO_DATE", "20080125"},
        {"count too short", "<EOH><NAME:3>JEAN<CALL:4>F0AA<EOR>", 1, "NAME", "JEAN"},
        {"count too long", "<EOH><NAME:9>JEAN<CALL:4>F0AA<EOR>", 1, "CALL", "F0AA"},
        {"count too long keeps value", "<EOH><NAME:9>JEAN<CALL:4>F0AA<EOR>", 1, "NAME", "JEAN"},
        {"count past the end", "<EOH><CALL:4>F0AA<NAME:999999999999999999999>JEAN", 1, "NAME", "JEAN"},
        {"count zero with a value", "<EOH><CALL:0>F0AA<EOR>", 1, "CALL", "F0AA"},
        {"empty value", "<EOH><gridsquare:0> <CALL:4>F0AA<EOR>", 1, "GRIDSQUARE", ""},
        {"UTF-8 counted in characters", "<EOH><QTH:15>Tía Juana Zulia\n<EOR>", 1, "QTH", u"Tía Juana Zulia"_qs},
        {"UTF-8 counted in bytes", "<EOH><NAME:5>Zoé<CALL:4>F0AA<EOR>", 1, "NAME", u"Zoé"_qs},
        {"windows-1252 bytes", "<EOH><NAME:5>Andr\xE9<CALL:4>F0AA<EOR>", 1, "NAME", u"Andr\u00E9"_qs},
        {"value holding <", "<EOH><COMMENT:12><public key><CALL:4>F0AA<EOR>", 1, "COMMENT", "<public key>"},
        {"value holding < b >", "<EOH><COMMENT:5>a<b>c<EOR>", 1, "COMMENT", "a<b>c"},
        {"comment after value", "<EOH><STATE:2>CA // California\n<CNTY:5>X,ABC//c\n<EOR>", 1, "CNTY", "X,ABC"},
        {"comment after value, first field", "<EOH><STATE:2>CA // California\n<EOR>", 1, "STATE", "CA"},
        {"data after the last EOR", "<EOH><CALL:4>F0AA<EOR>\r\nReport: 1 QSO\r\n<APP_LoTW_EOF>\r\n", 1, "CALL", "F0AA"},
        {"last record without EOR", "<EOH><CALL:4>F0AA<EOR><CALL:4>F0BB\r\n", 2, "CALL", "F0BB"},
        {"record of empty values without EOR", "<EOH><CALL:4>F0AA<EOR><CALL:0>\r\n", 1, "CALL", "F0AA"},
        {"tag without length", "<PROGRAMID>MixW\r\n<EOH><CALL:4>F0AA<EOR>", 1, "CALL", "F0AA"},
        {"application field", "<EOH><APP_PENDREL_X:3>abc<CALL:4>F0AA<EOR>", 1, "APP_PENDREL_X", "abc"},
        {"user-defined field", "<USERDEF1:8:E>MY_POWER<EOH><MY_POWER:3>QRP<EOR>", 1, "MY_POWER", "QRP"},
        {"lone < in free text", "a < b <3 <:5> <EOH><CALL:4>F0AA<EOR>", 1, "CALL", "F0AA"},
        {"truncated tag at the end", "<EOH><CALL:4>F0AA<EOR><CALL:4", 1, "CALL", "F0AA"},
        {"empty file", "", 0, "CALL", ""},
        {"multi-line value counted with CR LF", "<EOH><ADDRESS:8>a\nb\nc<CALL:4>F0AA<EOR>", 1, "ADDRESS", "a b c"},
    });
}

// A count that a tag, an end of record, blanks or the end of the file follow
// is right, whatever the value holds; a count that fits nothing falls back.
TEST(AdifReader, CountWinsOverTagLikeText)
{
    checkShapes({
        {"inner field tag: the real callsign", "<EOH><COMMENT:29>relayed for <CALL:5>F9ZZZ /73<CALL:5>F1AAA<EOR>", 1,
         "CALL", "F1AAA"},
        {"inner field tag: the whole comment", "<EOH><COMMENT:29>relayed for <CALL:5>F9ZZZ /73<CALL:5>F1AAA<EOR>", 1,
         "COMMENT", "relayed for <CALL:5>F9ZZZ /73"},
        {"inner end of record: no bogus QSO", "<EOH><CALL:5>F1AAA<NOTES:17>bye <EOR> see you<EOR>\r\n", 1, "NOTES",
         "bye <EOR> see you"},
        {"count ends at blanks, then the end of record", "<EOH><NOTES:17>bye <EOR> see you \r\n<EOR>", 1, "NOTES",
         "bye <EOR> see you"},
        {"count ends at the end of the file", "<EOH><CALL:5>F1AAA<NOTES:17>bye <EOR> see you", 1, "NOTES",
         "bye <EOR> see you"},
        {"count too short falls back to the inner tag", "<EOH><COMMENT:10>relayed for <CALL:5>F9ZZZ<EOR>", 1, "CALL",
         "F9ZZZ"},
        {"count past the end falls back", "<EOH><CALL:5>F1AAA<NOTES:99>bye<EOR>\r\n<CALL:5>F1BBB<EOR>", 2, "CALL",
         "F1BBB"},
        {"count landing inside a tag falls back", "<EOH><NOTES:6>bye<EOR>\r\n<CALL:5>F1BBB<EOR>", 2, "CALL", "F1BBB"},
    });
}

// A value counted in characters is read so that the next tag starts where
// the count says, even when a blank sits at its byte count.
TEST(AdifReader, CountInCharactersWhenTheNextTagStartsThere)
{
    checkShapes({
        {"blank at the byte count", "<EOH><NAME:8>Hélène B<CALL:5>F1AAA<EOR>", 1, "NAME", u"Hélène B"_qs},
        {"blank at the byte count, then blanks", "<EOH><NAME:8>Hélène B  \r\n<CALL:5>F1AAA<EOR>", 1, "NAME",
         u"Hélène B"_qs},
        {"same value counted in bytes", "<EOH><NAME:10>Hélène B<CALL:5>F1AAA<EOR>", 1, "NAME", u"Hélène B"_qs},
        {"count in bytes ending at a blank before a tag", "<EOH><NAME:8>Hélène <CALL:5>F1AAA<EOR>", 1, "NAME",
         u"Hélène"_qs},
        {"windows-1252 value: bytes are characters", "<EOH><NAME:8>H\xE9l\xE8ne B<CALL:5>F1AAA<EOR>", 1, "NAME",
         u"Hélène B"_qs},
        {"comment after a value counted in characters", "<EOH><QTH:5>Nîmes // Gard\r\n<EOR>", 1, "QTH", u"Nîmes"_qs},
    });
}

TEST(AdifReader, ChoosesTheEncodingPerValue)
{
    const struct {
        const char *what;
        QByteArray bytes;
        QStringList names; // NAME of each record, in order
    } cases[] = {
        {"one windows-1252 value among UTF-8 ones",
         "<EOH><NAME:4>Zo\xC3\xA9<EOR><NAME:5>Andr\xE9<EOR><NAME:9>Fran\xC3\xA7ois<EOR>",
         {u"Zoé"_qs, u"André"_qs, u"François"_qs}},
        {"UTF-8 value in a windows-1252 file", "<EOH><NAME:6>H\xE9l\xE8ne<EOR><NAME:3>Zo\xC3\xA9<EOR>",
         {u"Hélène"_qs, u"Zoé"_qs}},
        {"all windows-1252", "<EOH><NAME:5>Andr\xE9<EOR><NAME:3>Zo\xE9<EOR>", {u"André"_qs, u"Zoé"_qs}},
        {"byte-order mark and a stray byte", "\xEF\xBB\xBF<EOH><NAME:3>Zo\xE9<EOR><NAME:4>Zo\xC3\xA9<EOR>",
         {u"Zoé"_qs, u"Zoé"_qs}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QStringList names;
        for (const FieldMap &record : readAll(c.bytes))
            names.append(record.value("NAME"));
        EXPECT_EQ(names, c.names);
    }
    // Within one record too: each field on its own.
    const QList<FieldMap> one = readAll("<EOH><NAME:5>Andr\xE9<QTH:6>N\xC3\xAEmes<EOR>");
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].value("NAME"), u"André"_qs);
    EXPECT_EQ(one[0].value("QTH"), u"Nîmes"_qs);
}

TEST(AdifReader, CharactersOutsideTheCodePageAreReplacedOneForOne)
{
    const QList<FieldMap> records = readAll("<EOH><NAME:12>Łukasz 李<QTH:4>a\tb\x01<EOR>");
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].value("NAME"), "Lukasz ?");
    EXPECT_EQ(records[0].value("QTH"), "a b");
    EXPECT_EQ(adif::logSafeText(u"é\U0001F600x", true), u"É?X"_qs);
    EXPECT_EQ(adif::logSafeText(u"\uFFFDrkiye", false), "?rkiye");
}

// A value as a line of the log holds it, in the log's code page: plain ASCII
// is copied in one pass, anything else decoded first; both ways give the
// same blanks, case and trimming, a control at either end included.
TEST(AdifReader, ValueAsTheLogHoldsIt)
{
    const struct {
        QByteArray value;
        bool upper;
        QByteArray expected;
    } cases[] = {
        {" f1aaa/p\t", true, "F1AAA/P"},
        {"\x01jn18gu\x7F", true, "JN18GU"},
        {"a\x01" "b\x7F" "c", false, "a b c"},
        {"Ren\xC3\xA9 \x01", true, "REN\xC9"},   // UTF-8, a control at its end
        {"\x01Ren\xE9", true, "REN\xC9"},         // windows-1252, one at its start
        {"\xC5\x81uk \xE6\x9D\x8E", false, "Luk ?"}, // outside the code page
        {"\xC3\xA9t\xC3\xA9", false, "\xE9t\xE9"},  // case kept without `upper`
        {" \t\r\n", true, ""},
        {"", true, ""},
    };
    QByteArray buffer = "left over from a longer value";
    for (const auto &c : cases)
        EXPECT_EQ(adif::logValue(c.value, c.upper, buffer), c.expected) << c.value.toStdString();
}

TEST(AdifReader, FirstValueThatIsNotBlankCounts)
{
    adif::readRecords("<EOH><GRIDSQUARE:0><gridsquare:6>JN18GU<GRIDSQUARE:6>IN88HK<EOR>", [](const adif::Record &r) {
        EXPECT_EQ(r.text("GRIDSQUARE"), "JN18GU");
        EXPECT_TRUE(r.hasValue("gridsquare"));
        EXPECT_FALSE(r.hasValue("NAME"));
        return true;
    });
}

// The names an import looks up, all at once: any case, the first value that
// is not blank, and names that share a slot of the look-up (BAND and SRX,
// then STX) told apart.
TEST(AdifReader, FirstValuesOfSeveralNamesInOnePass)
{
    const adif::FieldNames names = {"BAND", "SRX", "GRIDSQUARE"};
    EXPECT_EQ(names.indexOf("srx"), 1);
    EXPECT_EQ(names.indexOf("Band"), 0);
    for (const char *other : {"STX", "NOTES", "BAN", "BANDS", "", "GRIDSQUAR", "\xC9T\xC9"})
        EXPECT_EQ(names.indexOf(other), -1) << other;
    adif::readRecords("<EOH><stx:1>9<Band:0><srx:2>12<NOTES:1>x<band:3>40m<BAND:3>20m<EOR>", [&](const adif::Record &r) {
        QByteArrayView values[3];
        r.firstValues(names, values);
        EXPECT_EQ(values[0], "40m");
        EXPECT_EQ(values[1], "12");
        EXPECT_TRUE(values[2].isNull());
        return true;
    });
}

// Names are compared several bytes at a time: at every length, a name is
// found in any case, and not when one of its bytes differs, wherever it is.
TEST(AdifReader, NamesOfEveryLengthComparedWhole)
{
    const QByteArray longest = "APP_N1MM_EXCHANGE";
    for (qsizetype n = 1; n <= longest.size(); ++n) {
        const QByteArray name = longest.first(n);
        const adif::FieldNames names = {name};
        EXPECT_EQ(names.indexOf(name.toLower()), 0) << name.constData();
        for (qsizetype at = 0; at < n; ++at) {
            QByteArray other = name.toLower();
            ++other[at];
            EXPECT_EQ(names.indexOf(other), -1) << other.constData();
        }
    }
}

TEST(AdifReader, ProgressReachesTheEndAndCancelStops)
{
    QByteArray bytes = "<EOH>\n";
    for (int i = 0; i < 5000; ++i)
        bytes += "<CALL:4>F0AA<EOR>\n";
    qint64 last = 0;
    int calls = 0;
    qsizetype seen = 0;
    adif::ReadSummary s = adif::readRecords(
        bytes, [&](const adif::Record &) { return ++seen, true; },
        [&](qint64 done, qint64 total) {
            EXPECT_EQ(total, bytes.size());
            EXPECT_GE(done, last);
            last = done;
            ++calls;
            return true;
        });
    EXPECT_EQ(s.records, 5000);
    EXPECT_FALSE(s.cancelled);
    EXPECT_EQ(last, bytes.size());
    EXPECT_GE(calls, 2);

    seen = 0;
    s = adif::readRecords(bytes, [&](const adif::Record &) { return ++seen, true; },
                          [](qint64, qint64) { return false; });
    EXPECT_TRUE(s.cancelled);
    EXPECT_LT(seen, 5000);

    s = adif::readRecords(bytes, [&](const adif::Record &) { return false; });
    EXPECT_TRUE(s.stopped);
    EXPECT_EQ(s.records, 1);
}

// Batches cross between the threads and come back to be filled again: each
// record holds its own fields, and a batch filled again holds none of its
// former records.
TEST(AdifReader, ABatchFilledAgainHoldsOnlyItsNewRecords)
{
    const auto fill = [](adif::RecordBatch &batch, QByteArrayView adif) {
        adif::readRecords(adif, [&](const adif::Record &r) { return batch.add(r), true; });
    };
    const auto fields = [](const adif::RecordBatch &batch, qsizetype i) {
        adif::Record r;
        batch.recordAt(i, r);
        QStringList out;
        for (const adif::Field &f : r.fields)
            out.append(QString::fromLatin1(f.name) + u'=' + QString::fromLatin1(f.value));
        return out;
    };
    adif::BatchQueue queue;
    adif::RecordBatch batch = queue.emptyBatch();
    fill(batch, "<EOH><CALL:4>OLD1 <NAME:5>Alice <QTH:4>Lyon<EOR><CALL:4>OLD2<EOR><call:4>OLD3 <name:3>Bob<EOR>");
    ASSERT_EQ(batch.records(), 3);
    EXPECT_EQ(fields(batch, 0), QStringList({"CALL=OLD1", "NAME=Alice", "QTH=Lyon"}));
    EXPECT_EQ(fields(batch, 1), QStringList({"CALL=OLD2"}));
    EXPECT_EQ(fields(batch, 2), QStringList({"call=OLD3", "name=Bob"}));
    batch.bytesRead = 100;
    queue.giveBack(std::move(batch));

    adif::RecordBatch again = queue.emptyBatch();
    EXPECT_EQ(again.records(), 0);
    EXPECT_EQ(again.bytesRead, 0);
    fill(again, "<EOH><CALL:3>NEW<EOR>");
    ASSERT_EQ(again.records(), 1);
    EXPECT_EQ(fields(again, 0), QStringList({"CALL=NEW"}));
}

// A file is read on a thread of its own and its records used on the caller's
// in batches: they come in order, a stop at any record (at a batch's edge or
// not) ends the read there, and a cancel from the progress ends it too.
TEST(AdifReader, AFileReadOnItsOwnThreadEndsWhereItsUserEnds)
{
    TempFolder folder;
    constexpr int Records = 3000;
    QByteArray file = "<EOH>";
    for (int i = 0; i < Records; ++i)
        file += "<CALL:" + QByteArray::number(QByteArray::number(i).size()) + ">" + QByteArray::number(i) + "<EOR>\r\n";
    folder.write("f.adi", file);
    for (int stopAt : {1, 511, 512, 513, Records, 0}) { // 0: never
        int seen = 0;
        bool inOrder = true;
        const adif::AdifFileRead read = adif::readAdifFile(folder.path("f.adi"), [&](const adif::Record &r) {
            inOrder = inOrder && r.raw("CALL") == QByteArray::number(seen);
            return ++seen != stopAt;
        });
        EXPECT_EQ(read.status, adif::AdifFileRead::Status::Ok) << stopAt;
        EXPECT_EQ(read.summary.records, stopAt == 0 ? Records : stopAt);
        EXPECT_EQ(read.summary.stopped, stopAt != 0);
        EXPECT_TRUE(inOrder) << stopAt;
    }
    qint64 last = 0;
    int calls = 0, seen = 0;
    const adif::AdifFileRead whole = adif::readAdifFile(
        folder.path("f.adi"), [&](const adif::Record &) { return ++seen, true; },
        [&](qint64 done, qint64 total) { return last = done, ++calls, total == file.size(); });
    EXPECT_EQ(whole.status, adif::AdifFileRead::Status::Ok);
    EXPECT_EQ(last, file.size());
    EXPECT_GT(calls, 1);
    seen = 0;
    const adif::AdifFileRead cancelled = adif::readAdifFile(
        folder.path("f.adi"), [&](const adif::Record &) { return ++seen, true; }, [](qint64, qint64) { return false; });
    EXPECT_EQ(cancelled.status, adif::AdifFileRead::Status::Cancelled);
    EXPECT_LT(seen, Records);
}
