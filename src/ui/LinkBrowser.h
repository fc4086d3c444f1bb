#pragma once
#include "platform/Browser.h"

namespace pendrel {

// The page's address as a link that the desktop's own browser opens: for the
// programs built without the embedded web engine.
class LinkBrowser : public Browser {
public:
    QWidget *createView(QWidget *parent) override;
    void navigate(QWidget *view, const QString &address) override;
};

} // namespace pendrel
