// Reading a log line by line gives what reading it whole gives, at the
// limits where the two could differ.
#include "core/storage/Cp1252.h"
#include "core/storage/TextFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pendrel;
using pendrel::test::TempFolder;

namespace {

QStringList streamed(const QString &path, ReadOutcome *outcome = nullptr)
{
    QStringList lines;
    const ReadOutcome read = forEachTextLine(path, [&lines](const QString &line) {
        lines.append(line);
        return true;
    });
    if (outcome)
        *outcome = read;
    return lines;
}

// A line of 137 bytes plus CR LF: the reads are 262,144 bytes long, so line
// ends, CRs and high bytes fall on both sides of their edges.
QByteArray manyLines(int count, const QByteArray &end = "\r\n")
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number(i).leftJustified(130, ' ') + "\xc9\x81\x80TOUL" + end;
    return out;
}

TEST(TextStream, GivesTheLinesOfTheWholeFile)
{
    const QByteArray big = manyLines(4000);
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"empty", ""},
        {"last line without CR LF", "F6ABC\r\nF5XYZ"},
        {"LF alone, blank lines", "A\n\r\n\r\nB\r\n"},
        {"a CR inside a line", "A\rB\r\n"},
        {"lines over several reads", big},
        {"a CR LF split between two reads", big.left(262143) + "\r\n" + big.mid(262143)},
        {"a last line without CR LF after several reads", big + "LAST"},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        folder.write("F0ABC_QRP.log", c.bytes);
        const QString path = folder.path("F0ABC_QRP.log");
        EXPECT_EQ(streamed(path), splitLines(cp1252::decode(c.bytes))) << c.what;
    }
}

TEST(TextStream, AFileAtTheSizeLimitIsReadOneByteMoreIsRefused)
{
    TempFolder folder;
    const QString path = folder.path("F0ABC_QRP.log");
    for (const qint64 size : {MaxTextFileBytes, MaxTextFileBytes + 1}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
        file.close();
        int seen = 0;
        const ReadOutcome read = forEachTextLine(path, [&seen](const QString &) { return ++seen, false; });
        if (size == MaxTextFileBytes) {
            EXPECT_EQ(read.status, ReadStatus::Ok);
            EXPECT_EQ(seen, 1); // and stopped there, as asked
        } else {
            EXPECT_EQ(read.status, ReadStatus::Error);
            EXPECT_TRUE(read.error.contains(QStringLiteral("plus grand que ne peut l'être un log"))) << read.error.toStdString();
            EXPECT_EQ(seen, 0);
        }
    }
}

TEST(TextStream, AFileChangedWhileItIsReadGivesItsLinesAsTheyWereOpened)
{
    const QByteArray before = manyLines(4000);
    const QStringList expected = splitLines(cp1252::decode(before));
    const struct {
        const char *what;
        bool replace;
    } changes[] = {{"a QSO appended", false}, {"the log rewritten", true}};
    for (const auto &change : changes) {
        TempFolder folder;
        const QString path = folder.path("F0ABC_QRP.log");
        folder.write("F0ABC_QRP.log", before);
        QStringList lines;
        bool changed = false;
        const ReadOutcome read = forEachTextLine(path, [&](const QString &line) {
            if (!changed) {
                QString error;
                changed = change.replace ? FileWriter::standard().replaceFile(path, manyLines(10), &error)
                                         : FileWriter::standard().appendToFile(path, "F6NEW\r\n", &error);
            }
            lines.append(line);
            return true;
        });
        ASSERT_TRUE(changed) << change.what;
        EXPECT_EQ(read.status, ReadStatus::Ok) << change.what;
        EXPECT_EQ(lines, expected) << change.what;
    }
}

} // namespace

// Every character of the code page becomes its byte, whatever surrounds it;
// any other becomes the replacement.
TEST(Cp1252, EachCharacterBecomesItsByteOrTheReplacement)
{
    QByteArray everyByte(256, '\0');
    for (int b = 0; b < 256; ++b)
        everyByte[b] = char(b);
    const struct {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {"", ""},
        {"F6ABC 599 JN18GU", "F6ABC 599 JN18GU"},
        {u"QTH de l'opérateur, après 40 caractères ASCII é"_qs, "QTH de l'op\xE9rateur, apr\xE8s 40 caract\xE8res ASCII \xE9"},
        {u"€ œ Ÿ"_qs, "\x80 \x9C \x9F"},
        {u"Łukasz 李"_qs, "?ukasz ?"},
        {cp1252::decode(everyByte), everyByte},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(cp1252::encode(c.text), c.bytes) << c.text.toStdString();
        QByteArray appended = "x";
        cp1252::appendEncoded(appended, c.text);
        EXPECT_EQ(appended, "x" + c.bytes) << c.text.toStdString();
    }
}
