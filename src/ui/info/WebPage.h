#pragma once
#include <QWidget>

class QVBoxLayout;

namespace pendrel {
class Browser;
}

namespace pendrel::ui {

// A window that shows one web page in its embedded browser `WebBrowser1`,
// below whatever a subclass puts in `top()`. The view is made when the window
// is, and navigates to the page at once; the window follows no loading.
class WebPage : public QWidget {
    Q_OBJECT
public:
    WebPage(Browser &browser, const QString &caption, const QString &address, QWidget *parent);
    QWidget *view() const { return m_view; }

protected:
    QVBoxLayout *top() const { return m_top; }

private:
    QVBoxLayout *m_top;
    QWidget *m_view;
};

// The program's home site page ("Mise a jour du programme").
class Mon_Site : public WebPage {
    Q_OBJECT
public:
    Mon_Site(Browser &browser, QWidget *parent);
};

// The contest's cluster page.
class Cluster_Qrp : public WebPage {
    Q_OBJECT
public:
    Cluster_Qrp(Browser &browser, QWidget *parent);
};

} // namespace pendrel::ui
