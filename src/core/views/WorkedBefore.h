#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

namespace pendrel {

// The station a callsign names: F6ABC/P is F6ABC.
QString stationOf(QStringView callsign);

// What a log holds for one station, as the entry line tells it.
struct WorkedSummary {
    int count = 0;    // QSOs with the station, its /P included
    int portable = 0; // of which with its /P
    QString lastDate, lastTime, lastBand, lastMode; // the latest QSO
};

// The QSOs of a log by station, from its list lines, so that a look-up costs
// the same at 10 or 99,999 QSOs: the index keeps each station's rows, and a
// look-up reads only those. Lines added at the end are indexed as they come;
// any other change rebuilds it.
class WorkedBefore {
public:
    void rebuild(const QStringList &listLines);
    void add(const QString &listLine);

    WorkedSummary summary(QStringView callsign) const;
    // True when the log has a QSO with the station on that day (JJ/MM/AA), band and mode.
    bool workedOn(QStringView callsign, QStringView date, QStringView band, QStringView mode) const;

private:
    const QList<qsizetype> *rowsOf(QStringView callsign) const;

    QStringList m_lines;
    QHash<QString, QList<qsizetype>> m_rows; // by station
};

// "Nouvel indicatif", or "Déjà contacté 3 fois : dernier QSO le 05/11/26 à
// 14:35 sur 7.0 Mhz en CW" ("3 fois (dont 1 en /P)" when some were with its /P).
QString workedBeforeText(const WorkedSummary &summary);
// "Déjà contacté aujourd'hui sur 7.0 Mhz en CW".
QString workedTodayText(QStringView band, QStringView mode);

} // namespace pendrel
