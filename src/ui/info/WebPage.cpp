#include "ui/info/WebPage.h"

#include "core/info/WebAddresses.h"
#include "platform/Browser.h"
#include "ui/common/NamedControls.h"
#include "ui/common/WindowPlacement.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace pendrel::ui {
namespace {

QString offlinePage(const QString &address)
{
    return QStringLiteral("<html lang=\"fr\"><body style=\"font-family: sans-serif; margin: 2em\">"
                          "<h2>Pas de connexion : la page %1 n'a pas pu être chargée.</h2>"
                          "<p>Vérifiez la connexion à Internet, puis cliquez sur « Réessayer ».</p></body></html>")
        .arg(address.toHtmlEscaped());
}

} // namespace

WebPage::WebPage(Browser &browser, const QString &caption, const QString &address, QWidget *parent)
    : QWidget(parent, Qt::Window), m_top(new QVBoxLayout)
{
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_top);
    // Without a network the page says so in French, and the operator tries again.
    auto *retry = namedButton("Reessayer", QStringLiteral("Réessayer"), this);
    retry->hide();
    layout->addWidget(retry, 0, Qt::AlignLeft);
    m_view = browser.createView(this);
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    layout->addWidget(m_view, 1);
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1280, 1024);
    resize(std::min(1100, screen.width() * 9 / 10), std::min(800, screen.height() * 9 / 10));
    centreWhenFirstShown(this);
    browser.watchLoading(m_view, [this, &browser, address, retry](bool ok) {
        if (ok)
            return;
        browser.showPage(m_view, offlinePage(address));
        retry->show();
    });
    connect(retry, &QPushButton::clicked, this, [this, &browser, address, retry] {
        retry->hide();
        browser.navigate(m_view, address);
    });
    browser.navigate(m_view, address);
}

Mon_Site::Mon_Site(Browser &browser, QWidget *parent)
    : WebPage(browser, QStringLiteral("Site ") + web::homeSiteAddress(), web::programPageAddress(), parent)
{
}

Cluster_Qrp::Cluster_Qrp(Browser &browser, QWidget *parent)
    : WebPage(browser, QStringLiteral("Cluster Kerlan QRP"), web::clusterPageAddress(), parent)
{
}

} // namespace pendrel::ui
