#include "ui/common/LogHeading.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace pendrel::ui {

QString headingText(const QList<std::pair<int, QString>> &words)
{
    QString text;
    const int first = words.isEmpty() ? 1 : words.first().first;
    for (const auto &[column, word] : words) {
        const qsizetype at = column - first;
        if (text.size() < at)
            text += QString(at - text.size(), u' ');
        else if (!text.isEmpty())
            text += u' '; // a word that would touch the one before keeps a blank
        text += word;
    }
    return text;
}

QList<std::pair<int, QString>> logLineCaptions(const QString &kmwCaption)
{
    return {{4, QStringLiteral("N°")},     {8, QStringLiteral("Indicatif")}, {22, QStringLiteral("Dpt")},
            {27, QStringLiteral("Prénom")}, {42, QStringLiteral("Loc")},      {50, QStringLiteral("Date")},
            {60, QStringLiteral("QTR")},    {67, QStringLiteral("Mode")},     {72, QStringLiteral("QRG")},
            {79, QStringLiteral("Rst R")},  {85, QStringLiteral("Rst E")},    {103, QStringLiteral("QTH")},
            {122, QStringLiteral("QRB")},   {128, QStringLiteral("My Loc")},  {135, QStringLiteral("Pwr")},
            {140, kmwCaption},              {145, QStringLiteral("Pts")},     {149, QStringLiteral("Bonus")}};
}

QList<ColumnHeading> logListHeadings()
{
    // QTH is centred over its thirty columns, so that it stays clear of "RstE";
    // "Pts" ends over the one column of the points, so that "Boni" stays clear of it.
    return {
        {"Label_Liste_QRP", {{4, QStringLiteral("N°")}}},
        {"Tri_Ind", {{8, QStringLiteral("Indicatif")}}, true,
         QStringLiteral("Clickez sur \"Indicatif\" pour trier le log par indicatifs")},
        {"Tri_Dpt", {{22, QStringLiteral("Dpt")}}, true,
         QStringLiteral("Clickez sur \"Dpt\" pour trier le log par départements")},
        {"Label24", {{27, QStringLiteral("Prenom")}, {42, QStringLiteral("Locator")}}},
        {"Tri_Date", {{50, QStringLiteral("Date")}}, true,
         QStringLiteral("Clickez sur \"Date\" pour trier le log par dates")},
        {"Label25",
         {{60, QStringLiteral("Heure")},
          {67, QStringLiteral("Mode")},
          {72, QStringLiteral("QRG")},
          {81, QStringLiteral("RstR")},
          {86, QStringLiteral("RstE")},
          {103, QStringLiteral("QTH")}}},
        {"Tri_QRB", {{122, QStringLiteral("QRB")}}, true,
         QStringLiteral("Clickez sur \"QRB\" pour trier le log par distances")},
        {"Label28", {{128, QStringLiteral("Loc")}, {136, QStringLiteral("Pwr")}}},
        {"Tri_KmW", {{140, QStringLiteral("Km/W")}}, true,
         QStringLiteral("Clickez sur \"Km/W\" pour trier le log par Kilometres/Watts")},
        {"Label27", {{145, QStringLiteral("Pts")}, {150, QStringLiteral("Boni")}}},
    };
}

QList<ColumnHeading> plainLogListHeadings()
{
    QList<ColumnHeading> columns = logListHeadings();
    for (ColumnHeading &heading : columns)
        heading = {heading.name, heading.words};
    return columns;
}

QSize HeadingButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 2, metrics.height() + 2};
}

void HeadingButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The sort shown stands on a light highlight, in the highlight colour; a
    // hovered heading is underlined, as a link.
    QColor highlight = palette().color(QPalette::Highlight);
    if (isChecked()) {
        highlight.setAlpha(50);
        painter.fillRect(rect(), highlight);
    }
    QFont shown = font();
    shown.setUnderline(underMouse() && isEnabled());
    painter.setFont(shown);
    painter.setPen(palette().color(isChecked() ? QPalette::Highlight : QPalette::ButtonText));
    painter.drawText(QRectF(0, 0, width(), height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

LogHeading::LogHeading(QAbstractItemView *list, const QList<ColumnHeading> &headings, QWidget *parent)
    : QWidget(parent), m_list(list)
{
    setObjectName(QStringLiteral("LogHeadings"));
    for (const ColumnHeading &heading : headings) {
        QWidget *control = nullptr;
        if (heading.sorts) {
            auto *sort = new HeadingButton(headingText(heading.words), this);
            sort->setFlat(true);
            sort->setCheckable(true);
            sort->setFocusPolicy(Qt::NoFocus); // a sort leaves the operator's typing where it was
            sort->setCursor(Qt::PointingHandCursor);
            sort->setAttribute(Qt::WA_Hover);
            control = sort;
        } else {
            auto *text = new QLabel(headingText(heading.words), this);
            text->setContentsMargins(0, 0, 0, 0);
            text->setIndent(0);
            control = text;
        }
        control->setObjectName(QLatin1String(heading.name));
        control->setToolTip(heading.toolTip);
        m_placed.append({heading.words.isEmpty() ? 1 : heading.words.first().first, control});
    }
    setFont(list->font());
    for (QObject *watched : {static_cast<QObject *>(list), static_cast<QObject *>(list->viewport()),
                             static_cast<QObject *>(this)})
        watched->installEventFilter(this);
    connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this, &LogHeading::place);
    setFixedHeight(sizeHint().height());
    place();
}

QPushButton *LogHeading::button(const char *name) const
{
    return findChild<QPushButton *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

QLabel *LogHeading::label(const char *name) const
{
    return findChild<QLabel *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

double LogHeading::columnX(int column) const
{
    // Where the list's item delegate starts a line: the viewport, the item's
    // spacing and the text margin of the style, less what is scrolled away.
    const QPoint listAt = m_list->mapTo(window(), QPoint()) - mapTo(window(), QPoint());
    const int textMargin = m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1;
    const int spacing = m_list->property("spacing").toInt();
    const double left = listAt.x() + m_list->viewport()->x() + spacing + textMargin -
                        m_list->horizontalScrollBar()->value();
    return left + QFontMetricsF(m_list->font()).horizontalAdvance(QString(column - 1, u'0'));
}

QSize LogHeading::sizeHint() const
{
    int height = QFontMetrics(m_list->font()).height() + 4;
    for (const auto &[column, control] : m_placed)
        height = std::max(height, control->sizeHint().height());
    return {0, height};
}

QSize LogHeading::minimumSizeHint() const
{
    return sizeHint();
}

bool LogHeading::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
        place();
        break;
    case QEvent::FontChange:
        if (watched == m_list)
            setFont(m_list->font());
        place();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void LogHeading::place()
{
    for (const auto &[column, control] : m_placed) {
        control->setFont(m_list->font());
        control->resize(control->sizeHint().width(), height());
        control->move(int(std::lround(columnX(column))), 0);
    }
}

void setListToolTip(QAbstractItemView *list, const QString &toolTip)
{
    list->setToolTip(toolTip);
    list->viewport()->setToolTip(toolTip);
}

} // namespace pendrel::ui
