#pragma once
#include <QList>
#include <QPushButton>
#include <QString>
#include <QWidget>

class QAbstractItemView;
class QLabel;

namespace pendrel::ui {

// One heading above a fixed-pitch list: its words, each at the list column
// (1-based, as in the lines) where its first character stands.
struct ColumnHeading {
    const char *name; // object name of the heading's control
    QList<std::pair<int, QString>> words;
    bool sorts = false; // a button that sorts the list, else a plain label
    QString toolTip = {};
};

// The words of a heading as one text, the first word at the start, the
// blanks between them standing for the columns in between.
QString headingText(const QList<std::pair<int, QString>> &words);

// The caption words of the windows that show whole log list lines without
// sorting them (label selection, ranking page), each at its column from 1;
// the two reports share one blank, as do the points and the bonus, and QTH
// stands over the middle of its thirty columns. The km/W column is named as
// each window names it.
QList<std::pair<int, QString>> logLineCaptions(const QString &kmwCaption);

// The headings of a log list line (the main list and the windows that show
// whole list lines): the row number, the callsign, the département, and so on
// up to the bonus. The five sort buttons are Tri_Ind, Tri_Dpt, Tri_Date,
// Tri_QRB and Tri_KmW.
QList<ColumnHeading> logListHeadings();
// The same headings as plain labels, for the windows that show log list lines
// but do not sort them (search, label selection).
QList<ColumnHeading> plainLogListHeadings();

// A heading that sorts its list: a flat button whose caption is drawn where
// its column begins, in the list's font, and marked while its sort is shown.
class HeadingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The headings of a fixed-pitch list, drawn in the list's own font and placed
// from the same column map as its lines, so that each heading stands over its
// column at any font, size or screen density, and follows the list when it
// scrolls sideways. Put it right above the list in the same layout.
class LogHeading : public QWidget {
    Q_OBJECT
public:
    LogHeading(QAbstractItemView *list, const QList<ColumnHeading> &headings, QWidget *parent = nullptr);

    // The control of a heading, by its object name.
    QPushButton *button(const char *name) const;
    QLabel *label(const char *name) const;
    // The x, in this widget, where the list draws the first character of
    // `column` (1-based).
    double columnX(int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QAbstractItemView *m_list;
    QList<std::pair<int, QWidget *>> m_placed; // first column, control
};

// Makes `toolTip` show anywhere over the list's lines: an item view answers
// the tooltip events of its lines itself and would show none.
void setListToolTip(QAbstractItemView *list, const QString &toolTip);

} // namespace pendrel::ui
