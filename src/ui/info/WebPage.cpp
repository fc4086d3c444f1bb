#include "ui/info/WebPage.h"

#include "core/info/WebAddresses.h"
#include "platform/Browser.h"
#include "ui/common/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace pendrel::ui {

WebPage::WebPage(Browser &browser, const QString &caption, const QString &address, QWidget *parent)
    : QWidget(parent, Qt::Window), m_top(new QVBoxLayout)
{
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_top);
    m_view = browser.createView(this);
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    layout->addWidget(m_view, 1);
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1280, 1024);
    resize(std::min(1100, screen.width() * 9 / 10), std::min(800, screen.height() * 9 / 10));
    centreWhenFirstShown(this);
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
