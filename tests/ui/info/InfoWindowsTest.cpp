// The "Aide" menu, the help window and the three web page windows, driven
// from the main window through their object names; the browser is a fake
// that records where each view was sent.
#include "core/info/RankingFigures.h"
#include "core/info/RulesText.h"
#include "core/info/WebAddresses.h"
#include "ui/info/Notice.h"
#include "ui/MainFixture.h"

#include <QAction>
#include <QDirIterator>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>

namespace pendrel::test {
namespace {

class InfoWindowsTest : public MainFixture {
protected:
    FakeBrowser browser;

    void SetUp() override { platform.browser = &browser; }

    void trigger(const char *action)
    {
        auto *a = main->findChild<QAction *>(QLatin1String(action));
        ASSERT_NE(a, nullptr) << action;
        ASSERT_TRUE(a->isEnabled()) << action;
        a->trigger();
        QApplication::processEvents();
    }
    // The visible windows of the main window named `name`.
    QList<QWidget *> shown(const char *name)
    {
        QList<QWidget *> visible;
        for (QWidget *w : main->findChildren<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            if (w->isVisible())
                visible << w;
        return visible;
    }
    QWidget *window(const char *name)
    {
        const QList<QWidget *> windows = shown(name);
        EXPECT_EQ(windows.size(), 1) << name;
        return windows.value(0);
    }
    QString lineText(QWidget *w, const char *name) { return child<QLineEdit>(w, name)->text(); }

    // A fixed log of F0ABC with its best km/W 245 on lines 1 and 3 and QRB 1559 on lines 2 and 3.
    void startWithLog(bool portable)
    {
        setIdentity("F0ABC", "JN18GU");
        setCallsignSetting("F0ABC", settings::PwrFixe, "5");
        setCallsignSetting("F0ABC", settings::LocatorPortable, "JN18HU");
        setCallsignSetting("F0ABC", settings::Activite, portable ? "True" : "False");
        for (const QString &key : {settings::MeilleurKmWF, settings::MeilleurKmWP})
            setCallsignSetting("F0ABC", key, "True");
        auto qsoAt = [](const QString &qrb, const QString &kmw) {
            QString line = qso("F1AAA", kmw, "1");
            QsoRecord::writeField(line, &QsoRecord::QRB, qrb);
            return line;
        };
        const QStringList log = {qsoAt("1225", "245"), qsoAt("1559", "200"), qsoAt("1559", "245")};
        writeLog("F0ABC_QRP.log", log);
        writeLog("F0ABC_P_QRP.log", log.mid(1));
        startMain();
    }
};

TEST_F(InfoWindowsTest, HistoryAndAboutAreMessageBoxes)
{
    startWithLog(false);
    dialogs.messages.clear();
    trigger("Mnu_Historique");
    trigger("Mnu_Apropos");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0], revisionHistoryText());
    EXPECT_TRUE(dialogs.messages[1].startsWith(QStringLiteral("Pendrel  Revision  1.1.0a\r\n\r\n")));
}

TEST_F(InfoWindowsTest, RulesWindowOpenedTwiceIsOneWindowFilledOnce)
{
    startWithLog(false);
    trigger("Mnu_Reglement");
    trigger("Mnu_Reglement");
    QWidget *rules = window("Reglement");
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(child<QListWidget>(rules, "List1")->count(), 17);
    EXPECT_EQ(child<QListWidget>(rules, "List2")->count(), contestRulesLines().size());
    EXPECT_EQ(child<QListWidget>(rules, "List2")->item(1)->text(), QStringLiteral(" Kerlan QRP/p : Km par watt "));
    EXPECT_FALSE(child<QLabel>(rules, "Picture1")->pixmap().isNull());

    rules->close();
    QApplication::processEvents();
    trigger("Mnu_Reglement");
    EXPECT_EQ(shown("Reglement").size(), 1);
}

TEST_F(InfoWindowsTest, HelpOpensOnItsContentsBesideTheMainWindow)
{
    startWithLog(false);
    trigger("Mnu_Mode_Emploi");
    auto *help = qobject_cast<ui::Notice *>(window("Notice"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(main->isEnabled());
    ui::HelpPages *page = help->page();
    EXPECT_EQ(page->source(), QUrl(ui::Notice::ContentsPage));
    EXPECT_EQ(page->documentTitle(), QStringLiteral("Notice d'utilisation de Pendrel"));

    // Contents, back and forward.
    auto *contents = child<QListWidget>(help, "Sommaire");
    ASSERT_GT(contents->count(), 10);
    QListWidgetItem *adif = contents->findItems(QStringLiteral("Export et import ADIF"), Qt::MatchExactly).value(0);
    ASSERT_NE(adif, nullptr);
    emit contents->itemClicked(adif);
    EXPECT_EQ(page->source().fileName(), QStringLiteral("adif.html"));
    auto *back = child<QPushButton>(help, "Precedent");
    auto *forward = child<QPushButton>(help, "Suivant");
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(page->source(), QUrl(ui::Notice::ContentsPage));
    ASSERT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(page->source().fileName(), QStringLiteral("adif.html"));

    // Search over every page.
    auto *words = child<QLineEdit>(help, "Chercher");
    auto *results = child<QListWidget>(help, "Resultats");
    words->setText(QStringLiteral("gridsquare"));
    emit words->returnPressed();
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->text(), QStringLiteral("Aucune page ne contient ce texte."));
    words->setText(QStringLiteral("  nouvelle   SORTIE "));
    emit words->returnPressed();
    QStringList found;
    for (int i = 0; i < results->count(); ++i)
        found << results->item(i)->text();
    EXPECT_TRUE(found.contains(QStringLiteral("Sorties en portable et bonus"))) << found.join(u'|').toStdString();
    EXPECT_FALSE(found.contains(QStringLiteral("Export et import ADIF")));
    emit results->itemClicked(results->item(0));
    EXPECT_TRUE(page->textCursor().hasSelection());

    // Opening it again brings the same window forward.
    trigger("Mnu_Mode_Emploi");
    EXPECT_EQ(shown("Notice").size(), 1);
}

// Every link and picture of every page leads somewhere, and every page is in the contents.
TEST(HelpPagesTest, EveryLinkBetweenPagesResolves)
{
    QStringList pages;
    for (QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")}); it.hasNext();)
        pages << QFileInfo(it.next()).fileName();
    ASSERT_GT(pages.size(), 10);
    QStringList listed;
    for (const auto &[file, title] : ui::Notice::contents()) {
        listed << file;
        EXPECT_FALSE(title.isEmpty()) << file.toStdString();
    }
    for (const QString &page : pages) {
        if (page != QLatin1String("index.html")) {
            EXPECT_TRUE(listed.contains(page)) << page.toStdString() << " is missing from the contents";
        }
    }

    ui::HelpPages browser;
    static const QRegularExpression target(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    for (const QString &page : pages + QStringList{QStringLiteral("licences.html")}) {
        browser.setSource(QUrl(QStringLiteral("qrc:/help/") + page));
        EXPECT_FALSE(browser.documentTitle().isEmpty()) << page.toStdString();
        const QString html = browser.loadResource(QTextDocument::HtmlResource, browser.source()).toString();
        for (const QRegularExpressionMatch &m : target.globalMatch(html)) {
            const QUrl link = browser.source().resolved(QUrl(m.captured(1)));
            if (link.scheme() == QLatin1String("http") || link.scheme() == QLatin1String("https"))
                continue;
            EXPECT_FALSE(browser.loadResource(link.path().endsWith(QLatin1String(".html")) ? QTextDocument::HtmlResource
                                                                                           : QTextDocument::ImageResource,
                                              link)
                             .isNull())
                << page.toStdString() << " -> " << m.captured(1).toStdString();
        }
    }
}

TEST_F(InfoWindowsTest, WebWindowsMadeOnlyWhenOpenedAndSentToTheirPage)
{
    startWithLog(false);
    EXPECT_EQ(browser.viewsCreated, 0);
    const struct {
        const char *menu, *window;
        QString caption, address;
    } pages[] = {
        {"Mnu_Site", "Mon_Site", "Site " + web::homeSiteAddress(), web::programPageAddress()},
        {"Mnu_Cluster", "Cluster_Qrp", "Cluster Kerlan QRP", web::clusterPageAddress()},
        {"Mnu_MaJ_Classement", "MaJ_KmW", "Mise a jour de votre classement 'Chasseurs' ou 'Activateurs'",
         web::rankingPageAddress()},
    };
    for (const auto &p : pages) {
        const int before = browser.viewsCreated;
        trigger(p.menu);
        QWidget *w = window(p.window);
        ASSERT_NE(w, nullptr) << p.window;
        EXPECT_EQ(w->windowTitle(), p.caption);
        EXPECT_EQ(browser.addressOf(child<QWidget>(w, "WebBrowser1")), p.address);
        EXPECT_EQ(browser.viewsCreated, before + 1);

        // Open: brought forward. Closed: loaded again, page and all.
        trigger(p.menu);
        EXPECT_EQ(browser.viewsCreated, before + 1) << p.window;
        w->close();
        QApplication::processEvents();
        trigger(p.menu);
        EXPECT_EQ(browser.viewsCreated, before + 2) << p.window;
        EXPECT_EQ(browser.addresses.mid(browser.addresses.size() - 2), (QStringList{p.address, p.address}));
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(InfoWindowsTest, WithoutANetworkAPageSaysSoInFrenchAndTriesAgain)
{
    startWithLog(false);
    browser.offline = true;
    trigger("Mnu_Cluster");
    QWidget *w = window("Cluster_Qrp");
    ASSERT_NE(w, nullptr);
    QWidget *view = child<QWidget>(w, "WebBrowser1");
    auto *retry = child<QPushButton>(w, "Reessayer");
    EXPECT_TRUE(browser.pageOf(view).contains("Pas de connexion : la page " + web::clusterPageAddress() +
                                              " n'a pas pu être chargée."))
        << browser.pageOf(view).toStdString();
    EXPECT_TRUE(retry->isVisible());
    browser.offline = false;
    retry->click();
    EXPECT_FALSE(retry->isVisible());
    EXPECT_EQ(browser.addresses.count(web::clusterPageAddress()), 2);
    EXPECT_EQ(browser.pageOf(view), "");
}

TEST_F(InfoWindowsTest, RankingWindowShowsTheFiguresAndClearsTheReminderOfItsKind)
{
    for (const bool portable : {false, true}) {
        SCOPED_TRACE(portable ? "portable" : "fixed");
        startWithLog(portable);
        ASSERT_TRUE(c().Flag_Kmw->isVisible());
        const QStringList lines = logLines();
        c().Flag_Kmw->click();
        QApplication::processEvents();
        QWidget *w = window("MaJ_KmW");
        ASSERT_NE(w, nullptr);
        const RankingFigures expected = rankingFigures(lines, c().KmW_Max->text(), c().Total_P->text());
        EXPECT_EQ(lineText(w, "Le_KmW_Max"), lines.value(portable ? 1 : 0));
        EXPECT_EQ(lineText(w, "Le_QRB_Max"), lines.value(portable ? 0 : 1));
        EXPECT_EQ(lineText(w, "Le_KmW_Max"), expected.bestKmWLine);
        EXPECT_EQ(lineText(w, "Tot_P"), c().Total_P->text());
        EXPECT_EQ(lineText(w, "Tot_QSO"), QString::number(lines.size()));
        // Each heading stands over its column of the lines: "Indicatif" (column 8)
        // starts where the callsign F... of the line starts, on screen.
        auto *heading = child<QLabel>(w, "Label1");
        auto *line = child<QLineEdit>(w, "Le_KmW_Max");
        const auto firstInk = [w](QWidget *part, int fromX) {
            const QImage image = w->grab().toImage();
            const QRect r(part->mapTo(w, QPoint()), part->size());
            for (int x = std::max(r.left(), fromX); x <= r.right(); ++x)
                for (int y = r.top(); y <= r.bottom(); ++y)
                    if (qGray(image.pixel(x, y)) < 110)
                        return x;
            return -1;
        };
        const QFontMetrics metrics(line->font());
        const int column8 = line->mapTo(w, QPoint()).x() + metrics.horizontalAdvance(QString(6, u'0'));
        EXPECT_NEAR(firstInk(heading, column8), firstInk(line, column8), 2);
        for (const auto &[word, column] : {std::pair{"N°", 4}, {"QRB", 122}, {"Km/W", 140}, {"Bonus", 149}})
            EXPECT_EQ(heading->text().indexOf(QString::fromUtf8(word)), column - 1) << word;
        EXPECT_LE(w->frameGeometry().width(), w->screen()->availableGeometry().width());
        EXPECT_FALSE(c().Flag_Kmw->isVisible());
        EXPECT_EQ(setting("Setup F0ABC", portable ? settings::MeilleurKmWP : settings::MeilleurKmWF), "False");
        EXPECT_EQ(setting("Setup F0ABC", portable ? settings::MeilleurKmWF : settings::MeilleurKmWP), "True");
        main.reset();
    }
}

} // namespace
} // namespace pendrel::test
