#include "platform/qt/LinkBrowser.h"

#include <QLabel>

namespace pendrel {
namespace {

class LinkBrowser : public Browser {
public:
    QWidget *createView(QWidget *parent) override
    {
        auto *label = new QLabel(parent);
        label->setAlignment(Qt::AlignCenter);
        label->setOpenExternalLinks(true);
        label->setTextInteractionFlags(Qt::TextBrowserInteraction);
        return label;
    }

    void navigate(QWidget *view, const QString &address) override
    {
        if (auto *label = qobject_cast<QLabel *>(view))
            label->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    }
};

} // namespace

Browser &linkBrowser()
{
    static LinkBrowser links;
    return links;
}

} // namespace pendrel
