#include "ui/info/Reglement.h"

#include "core/info/RulesText.h"
#include "ui/common/WindowPlacement.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>

namespace pendrel::ui {
namespace {

QListWidget *textList(const char *name, const QStringList &lines, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->addItems(lines);
    return list;
}

} // namespace

Reglement::Reglement(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Reglement"));
    setWindowTitle(QStringLiteral("Règlement du Kerlan QRP"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/reglement.svg")));
    picture->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    QListWidget *intro = textList("List1", rulesIntroductionLines(), this);
    QListWidget *rules = textList("List2", contestRulesLines(), this);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    intro->setFont(fixed);
    rules->setFont(fixed);
    intro->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(100, u'W')));

    auto *grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0);
    grid->addWidget(intro, 0, 1);
    grid->addWidget(rules, 1, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    resize(sizeHint().width(), std::max(sizeHint().height(), 700));
    centreWhenFirstShown(this);
}

} // namespace pendrel::ui
