#pragma once
#include "platform/Browser.h"
#include "platform/qt/LinkBrowser.h"

namespace pendrel {

// The web-engine browser, loaded from its module (pendrel_web.so, beside the
// program or in ../lib/pendrel) when the first view is asked for: the web
// engine's libraries are large, and a program that opens no web page never
// loads them. Without the module, `fallback` shows the pages.
class ModuleBrowser : public Browser {
public:
    explicit ModuleBrowser(Browser &fallback = linkBrowser()) : m_fallback(fallback) {}
    QWidget *createView(QWidget *parent) override;
    void navigate(QWidget *view, const QString &address) override;
    void watchLoading(QWidget *view, std::function<void(bool ok)> done) override;
    void showPage(QWidget *view, const QString &html) override;

private:
    // The browser of the module, loading it on the first call; null without it.
    Browser *loaded();
    // The module's browser, or the fallback without it.
    Browser &active();

    Browser &m_fallback;
    Browser *m_module = nullptr;
    bool m_tried = false;
};

} // namespace pendrel
