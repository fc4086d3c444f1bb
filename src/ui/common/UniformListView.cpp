#include "ui/common/UniformListView.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace pendrel::ui {

UniformListView::UniformListView(QWidget *parent) : QAbstractItemView(parent)
{
    setSelectionBehavior(SelectRows);
}

void UniformListView::setModel(QAbstractItemModel *model)
{
    QAbstractItemView::setModel(model);
    m_rowSize = {};
    if (!model)
        return;
    connect(model, &QAbstractItemModel::rowsInserted, this, &UniformListView::rowsChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &UniformListView::rowsChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &UniformListView::rowsChanged);
    connect(model, &QAbstractItemModel::layoutChanged, this, &UniformListView::rowsChanged);
    // The first row gives every row its size: its text counts once it is set.
    connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from) {
        if (from.row() == 0)
            rowsChanged();
    });
}

void UniformListView::rowsChanged()
{
    m_rowSize = {};
    updateGeometries();
    viewport()->update();
}

QSize UniformListView::rowSize() const
{
    if (m_rowSize.isValid())
        return m_rowSize;
    const QModelIndex first = model() ? model()->index(0, 0, rootIndex()) : QModelIndex();
    if (!first.isValid())
        return {0, fontMetrics().height()};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    m_rowSize = itemDelegateForIndex(first)->sizeHint(option, first).expandedTo(QSize(0, 1));
    return m_rowSize;
}

int UniformListView::rowAt(int y) const
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    const int row = (y + verticalOffset()) / rowSize().height();
    return y + verticalOffset() < 0 || row >= rows ? -1 : row;
}

QRect UniformListView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.parent() != rootIndex())
        return {};
    const QSize size = rowSize();
    // As wide as the viewport at least, so the selection reaches its edge.
    return {-horizontalOffset(), index.row() * size.height() - verticalOffset(),
            std::max(size.width(), viewport()->width()), size.height()};
}

void UniformListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const int height = viewport()->height(), top = rect.top() + verticalOffset();
    QScrollBar *bar = verticalScrollBar();
    switch (hint) {
    case EnsureVisible:
        if (rect.top() < 0)
            bar->setValue(top);
        else if (rect.bottom() >= height)
            bar->setValue(top + rect.height() - height);
        break;
    case PositionAtTop:
        bar->setValue(top);
        break;
    case PositionAtBottom:
        bar->setValue(top + rect.height() - height);
        break;
    case PositionAtCenter:
        bar->setValue(top - (height - rect.height()) / 2);
        break;
    }
    // The start of the line, as a list shows a line it brings into view.
    if (rect.left() < 0)
        horizontalScrollBar()->setValue(0);
}

QModelIndex UniformListView::indexAt(const QPoint &point) const
{
    const int row = rowAt(point.y());
    return row < 0 ? QModelIndex() : model()->index(row, 0, rootIndex());
}

QModelIndex UniformListView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    const int page = std::max(1, viewport()->height() / rowSize().height());
    int to = row;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        to = row - 1;
        break;
    case MoveDown:
    case MoveNext:
        to = row + 1;
        break;
    case MovePageUp:
        to = row - page;
        break;
    case MovePageDown:
        to = row + page;
        break;
    case MoveHome:
        to = 0;
        break;
    case MoveEnd:
        to = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        // One column: the arrows scroll the long lines sideways.
        horizontalScrollBar()->triggerAction(action == MoveLeft ? QAbstractSlider::SliderSingleStepSub
                                                                : QAbstractSlider::SliderSingleStepAdd);
        return current;
    }
    return model()->index(std::clamp(to, 0, rows - 1), 0, rootIndex());
}

int UniformListView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int UniformListView::verticalOffset() const
{
    return verticalScrollBar()->value();
}

void UniformListView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    const QRect r = rect.normalized();
    const int height = rowSize().height();
    const int first = std::max(0, (r.top() + verticalOffset()) / height);
    const int last = std::min(rows - 1, (r.bottom() + verticalOffset()) / height);
    QItemSelection selection;
    if (r.bottom() + verticalOffset() >= 0 && first <= last)
        selection.select(model()->index(first, 0, rootIndex()), model()->index(last, 0, rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion UniformListView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection)
        if (range.parent() == rootIndex())
            region += visualRect(range.topLeft()).united(visualRect(range.bottomRight()));
    return region;
}

void UniformListView::paintEvent(QPaintEvent *event)
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    if (rows == 0)
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State base = option.state;
    const int height = rowSize().height();
    const int first = std::max(0, (event->rect().top() + verticalOffset()) / height);
    const int last = std::min(rows - 1, (event->rect().bottom() + verticalOffset()) / height);
    const QModelIndex current = currentIndex();
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = visualRect(index);
        option.state = base;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void UniformListView::updateGeometries()
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    const QSize size = rowSize();
    const QSize area = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, rows * size.height() - area.height()));
    verticalScrollBar()->setSingleStep(size.height());
    verticalScrollBar()->setPageStep(area.height());
    horizontalScrollBar()->setRange(0, std::max(0, size.width() - area.width()));
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 2);
    horizontalScrollBar()->setPageStep(area.width());
    QAbstractItemView::updateGeometries();
}

void UniformListView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_rowSize = {};
        updateGeometries();
    }
    QAbstractItemView::changeEvent(event);
}

} // namespace pendrel::ui
