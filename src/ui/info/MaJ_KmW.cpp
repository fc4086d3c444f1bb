#include "ui/info/MaJ_KmW.h"

#include "core/info/WebAddresses.h"
#include "core/storage/QsoRecord.h"
#include "ui/common/LogHeading.h"
#include "ui/common/NamedControls.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
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

// The words over the ranking lines (log list lines), each over its column.
QString columnHeadings() { return QString(3, u' ') + headingText(logLineCaptions(QStringLiteral("Km/W"))); }

// Where a line box draws its first character, from its left edge: the
// style's contents rectangle, then the box's own margin of 2 pixels.
int textStart(const QLineEdit *box)
{
    QStyleOptionFrame panel;
    panel.initFrom(box);
    panel.rect = box->rect();
    panel.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, box) : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    const QMargins margins = box->textMargins();
    return box->style()->subElementRect(QStyle::SE_LineEditContents, &panel, box).left() + margins.left() + 2;
}

// Keeps the headings' first column over the lines' once the style has
// polished and sized the boxes.
class HeadingAligner : public QObject {
public:
    HeadingAligner(QLabel *heading, QLineEdit *line) : QObject(heading), m_heading(heading), m_line(line)
    {
        line->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
            m_heading->setContentsMargins(textStart(m_line), 0, 0, 0);
        return false;
    }

private:
    QLabel *m_heading;
    QLineEdit *m_line;
};

} // namespace

MaJ_KmW::MaJ_KmW(Browser &browser, const RankingFigures &figures, QWidget *parent)
    : WebPage(browser, QStringLiteral("Mise a jour de votre classement 'Chasseurs' ou 'Activateurs'"),
              web::rankingPageAddress(), parent)
{
    // The two ranking lines and their headings scroll sideways together, so
    // that each heading stays over its column and the window fits the screen.
    auto *lines = new QWidget;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lines->setFont(fixed);
    auto *heading = namedLabel("Label1", columnHeadings(), lines);
    auto *bestKmW = box("Le_KmW_Max", figures.bestKmWLine, lines);
    auto *bestQrb = box("Le_QRB_Max", figures.bestQrbLine, lines);
    const int wholeLine = QFontMetrics(fixed).horizontalAdvance(QString(QsoRecord::ListLineLength + 1, u'0'));
    for (QLineEdit *line : {bestKmW, bestQrb})
        line->setMinimumWidth(wholeLine + 2 * textStart(line));
    heading->setIndent(0);
    new HeadingAligner(heading, bestKmW);
    auto *column = new QVBoxLayout(lines);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(heading);
    column->addWidget(bestKmW);
    column->addWidget(namedLabel("Label2", QStringLiteral("Meilleur Distance"), lines));
    column->addWidget(bestQrb);
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("Lignes_Classement"));
    scroller->setWidget(lines);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFixedHeight(lines->sizeHint().height() + scroller->horizontalScrollBar()->sizeHint().height());

    auto *totals = new QHBoxLayout;
    totals->addStretch(1);
    totals->addWidget(namedLabel("Label4", QStringLiteral("Total des points :"), this));
    totals->addWidget(box("Tot_P", figures.totalPoints, this));
    totals->addWidget(namedLabel("Label5", QStringLiteral("Nombre de QSO :"), this));
    totals->addWidget(box("Tot_QSO", figures.qsoCount, this));

    top()->addWidget(namedLabel("Label3", QStringLiteral("Meilleur Km/W"), this));
    top()->addWidget(scroller);
    top()->addLayout(totals);
}

} // namespace pendrel::ui
