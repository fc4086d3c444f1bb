#include "platform/web/QtWebBrowser.h"

#include <QUrl>
#include <QWebEngineView>

namespace pendrel {

QWidget *QtWebBrowser::createView(QWidget *parent)
{
    return new QWebEngineView(parent);
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
