#pragma once
#include "core/views/WorkedBefore.h"

#include <QObject>

class QLabel;
class QStringListModel;

namespace pendrel::ui {

// The line beside the entry that says what the log shown already holds for
// the callsign typed: it informs and never stops the entry. It keeps the
// log's index in step with the main list: a QSO added at the end is indexed
// at once, any other change (a load, a sort, an edit) rebuilds it when next
// asked.
class WorkedBeforeLine : public QObject {
    Q_OBJECT
public:
    WorkedBeforeLine(QStringListModel &logLines, QLabel &line);

    // When the operator leaves the callsign: the station's QSOs, or "Nouvel indicatif".
    void showStation(const QString &callsign);
    // When the band and mode are chosen: a QSO with the station that UTC day
    // on that band and mode shows in the warning colour.
    void checkSameDay(const QString &callsign, const QString &date, const QString &band, const QString &mode);
    void clear();

private:
    const WorkedBefore &index();
    void show(const QString &text, bool warning);

    QStringListModel &m_logLines;
    QLabel &m_line;
    WorkedBefore m_index;
    bool m_stale = true;
};

} // namespace pendrel::ui
