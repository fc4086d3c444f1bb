#pragma once
#include "core/storage/LogStore.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pendrel::labels {

// The QSOs of a log split in two lists, those not chosen and those chosen
// for labels. Each list keeps log order whatever the order of the moves, and
// a line keeps its text (its row number included) wherever it goes.
class QsoSelection {
public:
    enum class Side { Log, Print };

    explicit QsoSelection(QStringList logLines = {});

    int count(Side side) const { return int(rows(side).size()); }
    const QString &line(Side side, int index) const { return m_lines[rows(side)[index]]; }
    // Moves the line at `index` of one list to its place in the other.
    void move(Side from, int index);
    // Where the line at `index` of `from` would land in the other list.
    int landingIndex(Side from, int index) const;
    // Every remaining line of the log list joins the print list.
    void chooseAll();
    QStringList lines(Side side) const;

private:
    const QList<int> &rows(Side side) const { return side == Side::Log ? m_log : m_print; }
    QList<int> &rows(Side side) { return side == Side::Log ? m_log : m_print; }

    QStringList m_lines;
    QList<int> m_log, m_print; // indexes into m_lines, ascending
};

// The log list lines of a station kind's log, numbered in file order as the
// main window numbers them. A missing file gives none; so does a file that
// cannot be read, with a French message in `error`.
QStringList labelLogLines(const QString &folder, const QString &callsign, StationKind kind, QString *error = nullptr);

} // namespace pendrel::labels
