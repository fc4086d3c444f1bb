#include "core/views/WorkedBefore.h"

#include "core/storage/QsoRecord.h"

namespace pendrel {
namespace {

QString trimmed(QStringView line, FieldColumns column) { return recordField(line, column).trimmed().toString(); }

// The moment of a QSO, to order them: JJ/MM/AA (AA from 51 to 99 is 19AA,
// 00 to 50 is 20AA) and HH:MM; -1 when the date is not one.
qint64 momentOf(QStringView date, QStringView time)
{
    if (date.size() != 8)
        return -1;
    bool okDay = false, okMonth = false, okYear = false;
    const int day = date.mid(0, 2).toInt(&okDay), month = date.mid(3, 2).toInt(&okMonth);
    int year = date.mid(6, 2).toInt(&okYear);
    if (!okDay || !okMonth || !okYear)
        return -1;
    year += year > 50 ? 1900 : 2000;
    const int minutes = time.size() == 5 ? time.mid(0, 2).toInt() * 60 + time.mid(3, 2).toInt() : 0;
    return ((qint64(year) * 100 + month) * 100 + day) * 10000 + minutes;
}

} // namespace

QString stationOf(QStringView callsign)
{
    QString station = callsign.trimmed().toString().toUpper();
    if (station.endsWith(QLatin1String("/P")))
        station.chop(2);
    return station;
}

void WorkedBefore::rebuild(const QStringList &listLines)
{
    m_lines = listLines;
    m_rows.clear();
    m_rows.reserve(listLines.size() / 2);
    for (qsizetype row = 0; row < m_lines.size(); ++row) {
        const QStringView call = recordField(m_lines[row], ListColumn::Indicatif).trimmed();
        if (!call.isEmpty())
            m_rows[stationOf(call)].append(row);
    }
}

void WorkedBefore::add(const QString &listLine)
{
    m_lines.append(listLine);
    const QStringView call = recordField(listLine, ListColumn::Indicatif).trimmed();
    if (!call.isEmpty())
        m_rows[stationOf(call)].append(m_lines.size() - 1);
}

const QList<qsizetype> *WorkedBefore::rowsOf(QStringView callsign) const
{
    const auto found = m_rows.constFind(stationOf(callsign));
    return found == m_rows.cend() ? nullptr : &*found;
}

WorkedSummary WorkedBefore::summary(QStringView callsign) const
{
    WorkedSummary s;
    const QList<qsizetype> *rows = rowsOf(callsign);
    if (!rows)
        return s;
    qint64 latest = -2;
    for (const qsizetype row : *rows) {
        const QString &line = m_lines[row];
        ++s.count;
        if (trimmed(line, ListColumn::Indicatif).toUpper().endsWith(QLatin1String("/P")))
            ++s.portable;
        // The latest by date and time; of two at the same minute, the later in the log.
        const QString date = trimmed(line, ListColumn::Date), time = trimmed(line, ListColumn::QTR);
        const qint64 moment = momentOf(date, time);
        if (moment >= latest) {
            latest = moment;
            s.lastDate = date;
            s.lastTime = time;
            s.lastBand = trimmed(line, ListColumn::QRG);
            s.lastMode = trimmed(line, ListColumn::Mode);
        }
    }
    return s;
}

bool WorkedBefore::workedOn(QStringView callsign, QStringView date, QStringView band, QStringView mode) const
{
    const QList<qsizetype> *rows = rowsOf(callsign);
    if (!rows)
        return false;
    for (const qsizetype row : *rows) {
        const QString &line = m_lines[row];
        if (recordField(line, ListColumn::Date).trimmed() == date.trimmed() &&
            recordField(line, ListColumn::QRG).trimmed() == band.trimmed() &&
            recordField(line, ListColumn::Mode).trimmed() == mode.trimmed())
            return true;
    }
    return false;
}

QString workedBeforeText(const WorkedSummary &s)
{
    if (s.count == 0)
        return QStringLiteral("Nouvel indicatif");
    const QString times = s.portable > 0 ? QStringLiteral("%1 fois (dont %2 en /P)").arg(s.count).arg(s.portable)
                                         : QStringLiteral("%1 fois").arg(s.count);
    return QStringLiteral("Déjà contacté %1 : dernier QSO le %2 à %3 sur %4 en %5")
        .arg(times, s.lastDate, s.lastTime, s.lastBand, s.lastMode);
}

QString workedTodayText(QStringView band, QStringView mode)
{
    return QStringLiteral("Déjà contacté aujourd'hui sur %1 en %2").arg(band.trimmed(), mode.trimmed());
}

} // namespace pendrel
