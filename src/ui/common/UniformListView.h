#pragma once
#include <QAbstractItemView>

namespace pendrel::ui {

// A list whose rows all have the size of the first one, placed by arithmetic.
// QListView lays out every row again whenever one is added, even with uniform
// sizes: on a log of 99,999 QSOs that made each new QSO wait for 100,000
// rectangles. Here adding, selecting and showing a row costs the same on a
// list of ten or of 99,999 lines. One column, one selection at most.
class UniformListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit UniformListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &) const override { return false; }
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void paintEvent(QPaintEvent *event) override;
    void updateGeometries() override;
    void changeEvent(QEvent *event) override;

private:
    QSize rowSize() const;
    int rowAt(int y) const; // -1 outside the rows
    void rowsChanged();

    mutable QSize m_rowSize; // of the first row, measured once per model, font or style
};

} // namespace pendrel::ui
