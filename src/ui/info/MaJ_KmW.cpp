#include "ui/info/MaJ_KmW.h"

#include "core/info/WebAddresses.h"
#include "ui/common/NamedControls.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pendrel::ui {
namespace {

QLineEdit *box(const char *name, const QString &text, QWidget *parent)
{
    auto *b = new QLineEdit(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setReadOnly(true);
    b->setCursorPosition(0);
    return b;
}

const QString ColumnHeadings = QStringLiteral(
    "     N°   Indicatif           Dpt   Prénom                Loc       Date       QTR  Mode   QRG  Rst R Rst E"
    "               QTH                            QRB   My Loc Pwr  Km/W Pts Bonus");

} // namespace

MaJ_KmW::MaJ_KmW(Browser &browser, const RankingFigures &figures, QWidget *parent)
    : WebPage(browser, QStringLiteral("Mise a jour de votre classement 'Chasseurs' ou 'Activateurs'"),
              web::rankingPageAddress(), parent)
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto *heading = namedLabel("Label1", ColumnHeadings, this);
    auto *bestKmW = box("Le_KmW_Max", figures.bestKmWLine, this);
    auto *bestQrb = box("Le_QRB_Max", figures.bestQrbLine, this);
    for (QWidget *line : {static_cast<QWidget *>(heading), static_cast<QWidget *>(bestKmW),
                          static_cast<QWidget *>(bestQrb)})
        line->setFont(fixed);

    auto *totals = new QHBoxLayout;
    totals->addWidget(namedLabel("Label2", QStringLiteral("Meilleur Distance"), this));
    totals->addStretch(1);
    totals->addWidget(namedLabel("Label4", QStringLiteral("Total des points :"), this));
    totals->addWidget(box("Tot_P", figures.totalPoints, this));
    totals->addWidget(namedLabel("Label5", QStringLiteral("Nombre de QSO :"), this));
    totals->addWidget(box("Tot_QSO", figures.qsoCount, this));

    top()->addWidget(namedLabel("Label3", QStringLiteral("Meilleur Km/W"), this));
    top()->addWidget(heading);
    top()->addWidget(bestKmW);
    top()->addLayout(totals);
    top()->addWidget(bestQrb);
}

} // namespace pendrel::ui
