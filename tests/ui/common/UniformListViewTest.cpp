// The log's list view: rows placed by arithmetic must land where the mouse,
// the keys and the selection expect them, however the rows arrive.
#include "ui/common/UniformListView.h"

#include <QScrollBar>
#include <QStringListModel>
#include <QTest>
#include <gtest/gtest.h>

using pendrel::ui::UniformListView;

namespace {

struct ListFixture : ::testing::Test {
    QStringListModel model;
    UniformListView view;

    void SetUp() override
    {
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    // As the main window adds a QSO: an empty row, then its text.
    void append(const QString &line)
    {
        const int row = model.rowCount();
        model.insertRows(row, 1);
        model.setData(model.index(row), line);
    }

    int current() const { return view.currentIndex().row(); }
};

const QString kLongLine = QString(151, u'W');

TEST_F(ListFixture, TheFirstRowIsMeasuredOnceItHoldsItsText)
{
    append(kLongLine);
    // Measured while still empty, the row would be too narrow to scroll sideways.
    EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);
}

TEST_F(ListFixture, RowsAddedOneByOneAreShownAndClickedWhereTheyAre)
{
    for (int i = 0; i < 500; ++i)
        append(QStringLiteral("%1 F6ABC").arg(i, 5));
    const QModelIndex last = model.index(499);
    view.setCurrentIndex(last);
    view.scrollTo(last);
    EXPECT_TRUE(view.viewport()->rect().contains(view.visualRect(last)));
    EXPECT_GT(view.verticalScrollBar()->value(), 0);

    const QModelIndex above = model.index(497);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(above).center());
    EXPECT_EQ(current(), 497);
    EXPECT_TRUE(view.selectionModel()->isSelected(above));
    EXPECT_EQ(view.indexAt(view.visualRect(above).bottomLeft()).row(), 497);
    EXPECT_EQ(view.indexAt(view.visualRect(last).bottomLeft() + QPoint(0, 1)), QModelIndex());
}

TEST_F(ListFixture, KeysMoveTheCurrentRowWithinTheList)
{
    for (int i = 0; i < 100; ++i)
        append(QString::number(i));
    view.setCurrentIndex(model.index(0));
    const int page = view.viewport()->height() / view.visualRect(model.index(0)).height();
    const struct {
        Qt::Key key;
        int expected;
    } moves[] = {{Qt::Key_Up, 0},         {Qt::Key_Down, 1}, {Qt::Key_PageDown, 1 + page},
                 {Qt::Key_End, 99},       {Qt::Key_Down, 99}, {Qt::Key_PageUp, 99 - page},
                 {Qt::Key_Home, 0},       {Qt::Key_Right, 0}};
    for (const auto &move : moves) {
        QTest::keyClick(&view, move.key);
        EXPECT_EQ(current(), move.expected) << QKeySequence(move.key).toString().toStdString();
        EXPECT_TRUE(view.viewport()->rect().contains(view.visualRect(view.currentIndex())));
    }
}

} // namespace
