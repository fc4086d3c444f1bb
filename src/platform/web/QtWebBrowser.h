#pragma once
#include "platform/Browser.h"

namespace pendrel {

// QWebEngineView: the only code of the program that links the web engine.
class QtWebBrowser : public Browser {
public:
    QWidget *createView(QWidget *parent) override;
    void navigate(QWidget *view, const QString &address) override;
    void watchLoading(QWidget *view, std::function<void(bool ok)> done) override;
    void showPage(QWidget *view, const QString &html) override;
};

} // namespace pendrel
