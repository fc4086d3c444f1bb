#include "platform/web/QtWebBrowser.h"

#include "core/info/WebAddresses.h"

#include <QUrl>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace pendrel {

QWidget *QtWebBrowser::createView(QWidget *parent)
{
    auto *view = new QWebEngineView(parent);
    QWebEngineSettings *settings = view->settings();
    // A page that cannot be loaded is told by the window, in French.
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    // Nothing the two sites need: plugins, pop-up windows, local files.
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    return view;
}

void QtWebBrowser::watchLoading(QWidget *view, std::function<void(bool ok)> done)
{
    if (auto *web = qobject_cast<QWebEngineView *>(view))
        QObject::connect(web, &QWebEngineView::loadFinished, web, std::move(done));
}

void QtWebBrowser::showPage(QWidget *view, const QString &html)
{
    if (auto *web = qobject_cast<QWebEngineView *>(view)) {
        web->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        web->setHtml(html);
    }
}

void QtWebBrowser::navigate(QWidget *view, const QString &address)
{
    if (auto *web = qobject_cast<QWebEngineView *>(view)) {
        web->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, web::runsScripts(address));
        web->setUrl(QUrl(address));
    }
}

} // namespace pendrel

// The entry point of the module: the program loads it on the first web page
// window (see ModuleBrowser), so that the web engine costs nothing before.
extern "C" Q_DECL_EXPORT pendrel::Browser *pendrel_web_browser()
{
    static pendrel::QtWebBrowser browser;
    return &browser;
}
