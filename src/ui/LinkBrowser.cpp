#include "ui/LinkBrowser.h"

#include <QLabel>

namespace pendrel {

QWidget *LinkBrowser::createView(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    return label;
}

void LinkBrowser::navigate(QWidget *view, const QString &address)
{
    if (auto *label = qobject_cast<QLabel *>(view))
        label->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
}

} // namespace pendrel
