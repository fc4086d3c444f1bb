#include "platform/web/QtWebBrowser.h"

#include <QUrl>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace pendrel {

QWidget *QtWebBrowser::createView(QWidget *parent)
{
    auto *view = new QWebEngineView(parent);
    // A page that cannot be loaded is told by the window, in French.
    view->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    return view;
}

void QtWebBrowser::watchLoading(QWidget *view, std::function<void(bool ok)> done)
{
    if (auto *web = qobject_cast<QWebEngineView *>(view))
        QObject::connect(web, &QWebEngineView::loadFinished, web, std::move(done));
}

void QtWebBrowser::showPage(QWidget *view, const QString &html)
{
    if (auto *web = qobject_cast<QWebEngineView *>(view))
        web->setHtml(html);
}

void QtWebBrowser::navigate(QWidget *view, const QString &address)
{
    if (auto *web = qobject_cast<QWebEngineView *>(view))
        web->setUrl(QUrl(address));
}

} // namespace pendrel

// The entry point of the module: the program loads it on the first web page
// window (see ModuleBrowser), so that the web engine costs nothing before.
extern "C" Q_DECL_EXPORT pendrel::Browser *pendrel_web_browser()
{
    static pendrel::QtWebBrowser browser;
    return &browser;
}
