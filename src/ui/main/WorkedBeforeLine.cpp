#include "ui/main/WorkedBeforeLine.h"

#include <QLabel>
#include <QStringListModel>

namespace pendrel::ui {

WorkedBeforeLine::WorkedBeforeLine(QStringListModel &logLines, QLabel &line)
    : QObject(&line), m_logLines(logLines), m_line(line)
{
    const auto stale = [this] { m_stale = true; };
    connect(&logLines, &QAbstractItemModel::modelReset, this, stale);
    connect(&logLines, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(&logLines, &QAbstractItemModel::rowsMoved, this, stale);
    // A QSO appended is first an empty row, then its line.
    connect(&logLines, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                if (m_stale)
                    return;
                if (to.row() != m_logLines.rowCount() - 1 || from.row() != to.row()) {
                    m_stale = true;
                    return;
                }
                m_index.add(from.data().toString());
            });
}

const WorkedBefore &WorkedBeforeLine::index()
{
    if (m_stale) {
        m_index.rebuild(m_logLines.stringList());
        m_stale = false;
    }
    return m_index;
}

void WorkedBeforeLine::showStation(const QString &callsign)
{
    show(workedBeforeText(index().summary(callsign)), false);
}

void WorkedBeforeLine::checkSameDay(const QString &callsign, const QString &date, const QString &band,
                                    const QString &mode)
{
    if (index().workedOn(callsign, date, band, mode))
        show(workedTodayText(band, mode), true);
}

void WorkedBeforeLine::clear() { show({}, false); }

void WorkedBeforeLine::show(const QString &text, bool warning)
{
    m_line.setText(text);
    m_line.setToolTip(text);
    // The warning colour of the program's messages; the usual text colour otherwise.
    m_line.setStyleSheet(warning ? QStringLiteral("color: rgb(192, 0, 0); font-weight: bold;") : QString());
}

} // namespace pendrel::ui
