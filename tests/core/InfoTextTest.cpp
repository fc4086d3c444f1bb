// The fixed texts of the "Aide" menu, the web addresses, the ranking figures
// and the web engine's environment.
#include "core/info/AboutText.h"
#include "core/info/RankingFigures.h"
#include "core/info/RevisionHistory.h"
#include "core/info/RulesText.h"
#include "core/info/WebAddresses.h"
#include "core/storage/QsoRecord.h"
#include "platform/WebEngineSetup.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pendrel;

TEST(RevisionHistory, TwelveLinesEachEndedByCrLf)
{
    const QString text = revisionHistoryText();
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.first(), QStringLiteral("V1.0.0   le 04/01/2008 creation"));
    EXPECT_EQ(lines.last(), QStringLiteral("V1.1.0a  le 22/02/2008 Ajout Correction DIGI en DIG"));
    for (const QString &line : lines)
        EXPECT_FALSE(line.contains(u'\r') || line.contains(u'\n')) << line.toStdString();
}

TEST(AboutText, RevisionWithTwoBlanksThenCreditThenLicenceTitles)
{
    const QString head = QStringLiteral("Pendrel  Revision  1.1.0a\r\n\r\n") + AboutCredit;
    EXPECT_EQ(aboutText(ProgramRevisionText, {}), head);

    const QString text = aboutText(ProgramRevisionText, {{"Contours des départements", "..."}, {"Monde", "..."}});
    EXPECT_TRUE(text.startsWith(head + QStringLiteral("\r\n\r\n")));
    const qsizetype first = text.indexOf(QStringLiteral("\r\n- Contours des départements"));
    const qsizetype second = text.indexOf(QStringLiteral("\r\n- Monde"));
    EXPECT_GT(first, 0);
    EXPECT_GT(second, first);
}

TEST(AboutText, LicencesReadFromEveryFileOfTheFolderInNameOrder)
{
    test::TempFolder folder; // holds the empty FXXXX.txt: a file without a title shows its name
    folder.write("b-monde.txt", "Carte du monde : domaine public\nTexte...\n");
    folder.write("a-dpt.txt", QStringLiteral("  Départements : Licence Ouverte 2.0  \r\n\r\nTexte").toUtf8());
    const QList<DataLicence> licences = shippedDataLicences(folder.dir());
    ASSERT_EQ(licences.size(), 3);
    EXPECT_EQ(licences[0].title, QStringLiteral("Départements : Licence Ouverte 2.0"));
    EXPECT_EQ(licences[0].text, QStringLiteral("  Départements : Licence Ouverte 2.0  \r\n\r\nTexte"));
    EXPECT_EQ(licences[1].title, QStringLiteral("Carte du monde : domaine public"));
    EXPECT_EQ(licences[2].title, QStringLiteral("FXXXX.txt"));

    EXPECT_TRUE(shippedDataLicences(folder.path("absent")).isEmpty());
}

TEST(RulesText, IntroductionHasSeventeenLinesWithItsFixedOnes)
{
    const QStringList intro = rulesIntroductionLines();
    ASSERT_EQ(intro.size(), 17);
    const std::pair<int, QString> fixed[] = {
        {1, QString()},
        {2, QString(58, u' ') + "Le Kerlan QRP est disponible en ligne"},
        {3, QString()},
        {4, QString(56, u' ') + "Début du Kerlan QRP le 1er janvier 2008"},
        {5, QString()},
        {7, " Le but est simple, il se doit être convivial, et simple."},
        {8, QString()},
        {9, " Mise en oeuvre avant participation"},
        {10, QString()},
    };
    for (const auto &[number, line] : fixed)
        EXPECT_EQ(intro[number - 1], line) << "line " << number;
    EXPECT_TRUE(intro[10].endsWith(web::registrationAddress()));
    EXPECT_TRUE(intro.join(u' ').contains("ou 'DX' pour les participants étrangers"));
}

TEST(RulesText, QuotedRuleLinesInOrderAndSectionsSeparated)
{
    const QStringList rules = contestRulesLines();
    ASSERT_GE(rules.size(), 3);
    EXPECT_EQ(rules.mid(0, 3), (QStringList{"", " Kerlan QRP/p : Km par watt ", ""}));
    EXPECT_EQ(rules.last(), QStringLiteral("     L'activation est réalisée sous votre entière responsabilité. "));
    // Rule lines that the scoring follows, each exact and in this order.
    const QStringList quoted = {
        " Objectif ",
        " Règlement ",
        " Station QRP/ portable : ",
        " - Puissance : <= 5 watts cw et digi / <= 10 watts ssb.",
        "   d'un rayon de 500m de son QRA habituel.",
        "     - 4 points pour un QSO.",
        "       qsy en /p entre novembre et février (minimum 5 qso réalisés)",
        " Station QRP Fixe : ",
        " - Puissance : <= 5 watts cw et digi / <= 10 watts ssb",
        "     - 1 point pour un QSO Station Fixe / Station Fixe",
        "     - 4 points pour un QSO Station Fixe / Station Portable",
        "     - SSB :3760, 7090,-------, 14285, 18160, 21285, 24950, 28360, 50260, 144300, 432200",
        "     CQ KM, CQ KM de Fxxxx",
        "         Km total divisé par le nombre de watt ",
        "     Gardez l'esprit 'QRP' en toutes circonstances",
        " - Début du Kerlan : 01 janvier 2008 ",
        "     Ce bonus se rajoute également au total points-qso du qsy/p.",
    };
    qsizetype from = 0;
    for (const QString &line : quoted) {
        const qsizetype at = rules.indexOf(line, from);
        EXPECT_GE(at, from) << "missing or out of order: " << line.toStdString();
        if (at >= 0)
            from = at + 1;
    }
    // Each section that ends with an empty line is followed by its heading.
    for (const QString &heading : {QStringLiteral(" - Recommandations :"), QStringLiteral(" - Appel: "),
                                   QStringLiteral(" - Notes : "), QStringLiteral(" - Mais un maître mot ")}) {
        const qsizetype at = rules.indexOf(heading);
        ASSERT_GT(at, 0) << heading.toStdString();
        EXPECT_EQ(rules[at - 1], QString()) << heading.toStdString();
    }
}

TEST(WebAddresses, HttpsHostAndFixedPathScriptsOnlyOnTheContestSite)
{
    const struct {
        QString address, expected;
        bool scripts;
    } addresses[] = {
        {web::programPageAddress(), "https://" + web::HomeSiteHost + "/Affichage2.htm", false},
        {web::rankingPageAddress(), "https://" + web::ContestSiteHost + "/kerlan/identification.php?action=maj", true},
        {web::clusterPageAddress(), "https://" + web::ContestSiteHost + "/kerlan/cluster.php", true},
        {web::homeSiteAddress(), "https://" + web::HomeSiteHost, false},
        {web::registrationAddress(), "https://" + web::ContestSiteHost + "/kerlan/inscription.php", true},
        {"https://" + web::ContestSiteHost + ".example.org/", "", false},
    };
    for (const auto &a : addresses) {
        if (!a.expected.isEmpty()) {
            EXPECT_EQ(a.address, a.expected);
        }
        EXPECT_EQ(web::runsScripts(a.address), a.scripts) << a.address.toStdString();
    }
    EXPECT_FALSE(web::HomeSiteHost.contains(u'/'));
    EXPECT_FALSE(web::ContestSiteHost.contains(u'/'));
}

namespace {

// A log list line numbered n with the given QRB and km/W.
QString listLine(int n, const QString &qrb, const QString &kmw)
{
    QsoRecord r;
    r.Indicatif = QStringLiteral("F%1ABC").arg(n);
    r.Date = QStringLiteral("12/03/08");
    r.QRB = qrb;
    r.KmW = kmw;
    r.Pts = QStringLiteral("1");
    return r.listLine(n);
}

} // namespace

TEST(RankingFigures, BestLinesAreTheFirstOfEqualValues)
{
    struct Case {
        const char *name;
        QList<std::pair<QString, QString>> qsos; // (QRB, km/W) per line
        QString bestKmW;
        int kmwLine; // 1-based; 0: empty
        int qrbLine;
    };
    const Case cases[] = {
        {"km/W 245 on lines 3 and 8",
         {{"10", "2"}, {"20", "4"}, {"1225", "245"}, {"5", "1"}, {"6", "1"}, {"7", "1"}, {"8", "1"}, {"1225", "245"}},
         "245", 3, 3},
        {"QRB 1559 on lines 2 and 5",
         {{"100", "20"}, {"1559", "311"}, {"200", "40"}, {"1000", "200"}, {"1559", "311"}}, "311", 2, 2},
        {"all QRB empty or 0", {{"", ""}, {"0", "0"}, {"", ""}}, "0", 2, 0},
        {"best km/W shown with blanks", {{"50", "10"}, {"612", "122"}}, "  122 ", 2, 2},
        {"no line has the best km/W", {{"50", "10"}}, "99", 0, 1},
        {"empty best km/W names no line", {{"", ""}}, "", 0, 0},
        {"empty log", {}, "0", 0, 0},
    };
    for (const Case &c : cases) {
        QStringList lines;
        for (const auto &[qrb, kmw] : c.qsos)
            lines << listLine(int(lines.size()) + 1, qrb, kmw);
        const RankingFigures f = rankingFigures(lines, c.bestKmW, QStringLiteral("123"));
        EXPECT_EQ(f.bestKmWLine, c.kmwLine ? lines[c.kmwLine - 1] : QString()) << c.name;
        EXPECT_EQ(f.bestQrbLine, c.qrbLine ? lines[c.qrbLine - 1] : QString()) << c.name;
        EXPECT_EQ(f.totalPoints, QStringLiteral("123")) << c.name;
        EXPECT_EQ(f.qsoCount, QString::number(lines.size())) << c.name;
    }
}

TEST(WebEngineSetup, RootGetsNoSandboxAndOffscreenGetsSoftwareRendering)
{
    struct Case {
        const char *name;
        bool root;
        QByteArray platform, sandbox, flags;
        QList<EnvironmentSetting> expected;
    };
    const Case cases[] = {
        {"user on a desktop", false, "xcb", "", "", {}},
        {"root on a desktop", true, "", "", "", {{"QTWEBENGINE_DISABLE_SANDBOX", "1"}}},
        {"root who chose the sandbox setting", true, "", "0", "", {}},
        {"user offscreen", false, "offscreen", "", "", {{"QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu"}}},
        {"root offscreen with flags", true, "offscreen", "", " --lang=fr ",
         {{"QTWEBENGINE_DISABLE_SANDBOX", "1"}, {"QTWEBENGINE_CHROMIUM_FLAGS", "--lang=fr --disable-gpu"}}},
        {"offscreen, already without GPU", false, "offscreen", "", "--disable-gpu", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(webEngineEnvironment(c.root, c.platform, c.sandbox, c.flags), c.expected) << c.name;
}
