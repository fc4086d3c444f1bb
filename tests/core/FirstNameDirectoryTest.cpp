#include "core/storage/FirstNameDirectory.h"

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pendrel;
using pendrel::test::TempFolder;

namespace {

const QString kFile = QStringLiteral("Liste_Prenom.txt");
const QString kYves = QStringLiteral("F0ABC        29 YVES");

class FailingWriter : public FileWriter {
public:
    bool replaceFile(const QString &, const QByteArray &, QString *error) override
    {
        *error = QStringLiteral("disque plein");
        return false;
    }
};

class CountingWriter : public FileWriter {
public:
    bool replaceFile(const QString &path, const QByteArray &content, QString *error) override
    {
        ++replaces;
        return FileWriter::replaceFile(path, content, error);
    }
    bool appendToFile(const QString &path, const QByteArray &content, QString *error) override
    {
        ++appends;
        return FileWriter::appendToFile(path, content, error);
    }
    int replaces = 0, appends = 0;
};

} // namespace

TEST(FirstNameDirectory, EntryLineLayout)
{
    struct Case {
        QString callsign, dpt, prenom, line;
    };
    const Case cases[] = {
        {"F0ABC", "29", "Yves", kYves},
        {"F0ABC", "29", "jean", "F0ABC        29 JEAN"},
        {"F0ABC", "", "YVES", "F0ABC           YVES"},
        {"F0ABC", "2A", "", "F0ABC        2A "},
        {"F0ABC", "5", "héloïse", "F0ABC        5  HÉLOÏSE"},
        {"F0ABC/P", "75", "œdipe ÿves", "F0ABC/P      75 ŒDIPE ŸVES"},
        {"F0ABCDEFGHIJ", "29", "Ana", "F0ABCDEFGHIJ 29 ANA"},
        {"F0ABC", "29", "µß", "F0ABC        29 µß"}, // no capital in the code page: kept
    };
    for (const Case &c : cases)
        EXPECT_EQ(FirstNameDirectory::entryLine(c.callsign, c.dpt, c.prenom), c.line) << c.line.toStdString();
    EXPECT_EQ(kYves.size(), 20);
}

TEST(FirstNameDirectory, LookupReadsTheLastMatchingLine)
{
    struct Case {
        const char *name;
        QByteArray file;
        QString callsign;
        FirstNameEntry expected;
    };
    const Case cases[] = {
        {"known callsign", "F0ABC        29 YVES\r\n", "F0ABC", {true, "29", "YVES"}},
        {"among others", "F1AAA        75 ANNE\r\nF0ABC        29 YVES\r\nF2BBB        35 LOIC\r\n", "F0ABC",
         {true, "29", "YVES"}},
        {"empty département", "F0ABC           YVES\r\n", "F0ABC", {true, "", "YVES"}},
        {"empty first name (16 characters)", "F0ABC        29 \r\n", "F0ABC", {true, "29", ""}},
        {"first name kept untrimmed, in upper case", "F0ABC        29 jean  \r\n", "F0ABC", {true, "29", "JEAN  "}},
        {"last match wins", "F0ABC        29 YVES\r\nF0ABC        56 PAUL\r\n", "F0ABC", {true, "56", "PAUL"}},
        {"last match wins, even with an empty département", "F0ABC        29 YVES\r\nF0ABC           PAUL\r\n",
         "F0ABC", {true, "", "PAUL"}},
        {"shorter callsign does not match", "F0ABC        29 YVES\r\n", "F0AB", {false, "", ""}},
        {"case-sensitive", "F0ABC        29 YVES\r\n", "f0abc", {false, "", ""}},
        {"unknown callsign", "F0ABC        29 YVES\r\n", "F9ZZZ", {false, "", ""}},
        {"empty directory", "", "F0ABC", {false, "", ""}},
        {"short hand-edited line", "F0ABC\r\n", "F0ABC", {true, "", ""}},
        {"line cut in the département", "F0ABC        2\r\n", "F0ABC", {true, "2", ""}},
        {"blank-led callsign", "  F0ABC      29 YVES\r\n", "F0ABC", {true, "29", "YVES"}},
        {"last line without CR LF", "F1AAA        75 ANNE\r\nF0ABC        29 YVES", "F0ABC", {true, "29", "YVES"}},
        {"windows-1252 letters", "F0ABC        29 h\xE9l\xE8ne \x9C\r\n", "F0ABC", {true, "29", "HÉLÈNE Œ"}},
        {"empty callsign finds nothing", "             29 YVES\r\n", "", {false, "", ""}},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        folder.write(kFile, c.file);
        const FirstNameEntry e = FirstNameDirectory(folder.dir()).LookupFirstName(c.callsign);
        EXPECT_EQ(e.found, c.expected.found) << c.name;
        EXPECT_EQ(e.dpt, c.expected.dpt) << c.name;
        EXPECT_EQ(e.prenom, c.expected.prenom) << c.name;
    }
}

TEST(FirstNameDirectory, MissingOrUnreadableDirectoryKnowsNobody)
{
    TempFolder folder;
    EXPECT_FALSE(FirstNameDirectory(folder.dir()).LookupFirstName("F0ABC").found);
    EXPECT_FALSE(folder.exists(kFile));
    QDir(folder.dir()).mkdir(kFile);
    EXPECT_FALSE(FirstNameDirectory(folder.dir()).LookupFirstName("F0ABC").found);
}

TEST(FirstNameDirectory, SaveReplacesInPlaceOrAppends)
{
    struct Case {
        const char *name;
        QByteArray before;
        bool lookupFirst;
        QString line;
        QByteArray after;
    };
    const QByteArray three = "F1AAA        75 ANNE\r\nF0ABC        29 YVES\r\nF2BBB        35 LOIC\r\n";
    const Case cases[] = {
        {"known callsign rewritten in place", three, true, "F0ABC        29 PAUL",
         "F1AAA        75 ANNE\r\nF0ABC        29 PAUL\r\nF2BBB        35 LOIC\r\n"},
        {"new callsign appended", three, true, "F3CCC        22 ERWAN", three + "F3CCC        22 ERWAN\r\n"},
        {"every line of the callsign replaced", "F0ABC        29 YVES\r\nF1AAA        75 ANNE\r\nF0ABC        56 PAUL\r\n",
         true, "F0ABC        29 JEAN",
         "F0ABC        29 JEAN\r\nF1AAA        75 ANNE\r\nF0ABC        29 JEAN\r\n"},
        {"save before any lookup, known", three, false, "F0ABC        29 PAUL",
         "F1AAA        75 ANNE\r\nF0ABC        29 PAUL\r\nF2BBB        35 LOIC\r\n"},
        {"save before any lookup, new", three, false, "F3CCC        22 ERWAN", three + "F3CCC        22 ERWAN\r\n"},
        {"shorter callsign is another callsign", three, true, "F0AB         29 PAUL",
         three + "F0AB         29 PAUL\r\n"},
        {"longer callsign is another callsign", three, true, "F0ABCD       29 PAUL",
         three + "F0ABCD       29 PAUL\r\n"},
        {"hand-edited short line rewritten", "F0ABC\r\nF1AAA        75 ANNE", true, "F0ABC        29 YVES",
         "F0ABC        29 YVES\r\nF1AAA        75 ANNE\r\n"},
        {"other lines kept byte for byte", "F1AAA        75 H\xC9L\xC8NE\r\n\r\nF2BBB        35 \x8C\r\n", true,
         "F0ABC        29 FRAN\u00C7OIS",
         "F1AAA        75 H\xC9L\xC8NE\r\n\r\nF2BBB        35 \x8C\r\nF0ABC        29 FRAN\xC7OIS\r\n"},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        folder.write(kFile, c.before);
        CountingWriter writer;
        const FirstNameDirectory directory(folder.dir(), writer);
        if (c.lookupFirst)
            directory.LookupFirstName(c.line.left(12).trimmed());
        EXPECT_TRUE(directory.SaveFirstName(c.line).ok) << c.name;
        EXPECT_EQ(folder.read(kFile), c.after) << c.name;
        EXPECT_EQ(writer.replaces, 1) << c.name; // one atomic rewrite, never a rewrite then an append
        EXPECT_EQ(writer.appends, 0) << c.name;
        EXPECT_EQ(QDir(folder.dir()).entryList(QDir::Files).size(), 2) << c.name; // no scratch file left
    }
}

TEST(FirstNameDirectory, FirstSaveCreatesTheDirectory)
{
    TempFolder folder;
    const FirstNameDirectory directory(folder.dir());
    EXPECT_FALSE(directory.LookupFirstName("F0ABC").found);
    ASSERT_TRUE(directory.SaveFirstName(kYves).ok);
    EXPECT_EQ(folder.read(kFile), kYves.toLatin1() + "\r\n");
    const FirstNameEntry e = directory.LookupFirstName("F0ABC");
    EXPECT_TRUE(e.found);
    EXPECT_EQ(e.dpt, "29");
    EXPECT_EQ(e.prenom, "YVES");
    // A second QSO with a new first name keeps one line for the callsign.
    ASSERT_TRUE(directory.SaveFirstName(FirstNameDirectory::entryLine("F0ABC", "29", "Paul")).ok);
    EXPECT_EQ(folder.read(kFile), QByteArray("F0ABC        29 PAUL\r\n"));
}

TEST(FirstNameDirectory, FailedSaveLeavesTheDirectoryAsItWas)
{
    const QByteArray before = "F1AAA        75 ANNE\r\nF0ABC        29 YVES";
    TempFolder folder;
    folder.write(kFile, before);
    FailingWriter writer;
    const FirstNameDirectory directory(folder.dir(), writer);
    const StoreResult r = directory.SaveFirstName("F0ABC        29 PAUL");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("Impossible d'enregistrer le fichier Liste_Prenom.txt (disque plein).\r\n"
                                        "La liste des prénoms est restée telle qu'elle était."));
    EXPECT_EQ(folder.read(kFile), before);

    // The name it already holds for that station: nothing to write, so nothing fails.
    EXPECT_TRUE(directory.SaveFirstName("F0ABC        29 YVES").ok);
}

TEST(FirstNameDirectory, UnreadableDirectoryIsNeverOverwritten)
{
    TempFolder folder;
    QDir(folder.dir()).mkdir(kFile);
    const StoreResult r = FirstNameDirectory(folder.dir()).SaveFirstName(kYves);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.startsWith("Impossible d'enregistrer le fichier Liste_Prenom.txt")) << r.message.toStdString();
    EXPECT_TRUE(QFileInfo(folder.path(kFile)).isDir());
}

TEST(FirstNameDirectory, MalformedLinesAreRefused)
{
    TempFolder folder;
    folder.write(kFile, "F0ABC        29 YVES\r\n");
    const FirstNameDirectory directory(folder.dir());
    for (const QString &line : {QString(), QStringLiteral("             29 YVES"), QStringLiteral("F0ABC        29 YV\r\nES")})
        EXPECT_FALSE(directory.SaveFirstName(line).ok) << line.toStdString();
    EXPECT_EQ(folder.read(kFile), QByteArray("F0ABC        29 YVES\r\n"));
}
