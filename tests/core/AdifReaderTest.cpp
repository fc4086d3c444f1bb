#include "core/adif/AdifReader.h"

#include "support/AdifTestUtil.h"
#include "support/QtPrinters.h"

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

} // namespace

// Each shape: how many records come out, and one value of the last record.
TEST(AdifReader, FileShapes)
{
    const Shape shapes[] = {
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
    };
    for (const Shape &s : shapes) {
        SCOPED_TRACE(s.what);
        const QList<FieldMap> records = readAll(s.bytes);
        ASSERT_EQ(records.size(), s.records);
        if (s.records > 0) {
            EXPECT_EQ(records.last().value(QString::fromLatin1(s.field)), s.value);
        }
    }
}

TEST(AdifReader, ChoosesTheEncodingPerFile)
{
    adif::ReadSummary summary;
    readAll("<EOH><NAME:3>Zo\xC3\xA9<EOR>", &summary);
    EXPECT_EQ(summary.encoding, adif::Encoding::Utf8);
    readAll("<EOH><NAME:3>Zo\xE9<EOR>", &summary);
    EXPECT_EQ(summary.encoding, adif::Encoding::Windows1252);
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

TEST(AdifReader, FirstValueThatIsNotBlankCounts)
{
    adif::readRecords("<EOH><GRIDSQUARE:0><gridsquare:6>JN18GU<GRIDSQUARE:6>IN88HK<EOR>", [](const adif::Record &r) {
        EXPECT_EQ(r.text("GRIDSQUARE"), "JN18GU");
        EXPECT_TRUE(r.hasValue("gridsquare"));
        EXPECT_FALSE(r.hasValue("NAME"));
        return true;
    });
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
