#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace pendrel {

// The embedded web browser of the web page windows. A window asks for its
// view when it opens, so nothing of a browser engine loads before then.
class Browser {
public:
    virtual ~Browser() = default;
    // A new view, child of `parent`, owned by it.
    virtual QWidget *createView(QWidget *parent) = 0;
    // Shows the page at `address` in `view` (made by createView). The program
    // follows no loading: a page that cannot be reached shows as the view shows it.
    virtual void navigate(QWidget *view, const QString &address) = 0;
    // Calls `done` each time a page of `view` has loaded (true) or could not
    // be (false: no network, no answer). A browser that loads nothing itself
    // (links to the desktop's browser) never calls it.
    virtual void watchLoading(QWidget * /*view*/, std::function<void(bool ok)> /*done*/) {}
    // Shows `html`, a page of the program's own, in `view`.
    virtual void showPage(QWidget * /*view*/, const QString & /*html*/) {}
};

} // namespace pendrel
