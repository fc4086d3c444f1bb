#include "core/labels/QsoSelection.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace pendrel::labels {

QsoSelection::QsoSelection(QStringList logLines) : m_lines(std::move(logLines))
{
    m_log.resize(m_lines.size());
    std::iota(m_log.begin(), m_log.end(), 0);
}

void QsoSelection::move(Side from, int index)
{
    QList<int> &source = rows(from);
    if (index < 0 || index >= source.size())
        return;
    const int row = source.takeAt(index);
    QList<int> &target = rows(from == Side::Log ? Side::Print : Side::Log);
    target.insert(std::lower_bound(target.begin(), target.end(), row), row);
}

int QsoSelection::landingIndex(Side from, int index) const
{
    const QList<int> &target = rows(from == Side::Log ? Side::Print : Side::Log);
    return int(std::lower_bound(target.begin(), target.end(), rows(from)[index]) - target.begin());
}

void QsoSelection::chooseAll()
{
    if (m_log.isEmpty())
        return;
    QList<int> merged;
    merged.reserve(m_log.size() + m_print.size());
    std::merge(m_log.cbegin(), m_log.cend(), m_print.cbegin(), m_print.cend(), std::back_inserter(merged));
    m_print = std::move(merged);
    m_log.clear();
}

QStringList labelLogLines(const QString &folder, const QString &callsign, StationKind kind, QString *error)
{
    LoadResult loaded = LogStore(folder).LoadLog(callsign, kind);
    if (loaded.status == ReadStatus::Error && error)
        *error = loaded.error;
    return loaded.status == ReadStatus::Ok ? std::move(loaded.view.listLines) : QStringList();
}

QStringList QsoSelection::lines(Side side) const
{
    QStringList out;
    out.reserve(count(side));
    for (int row : rows(side))
        out.append(m_lines[row]);
    return out;
}

} // namespace pendrel::labels
