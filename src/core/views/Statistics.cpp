#include "core/views/Statistics.h"

#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"

#include <algorithm>

namespace pendrel {
namespace {

struct Columns {
    FieldColumns date, band, mode, qrb, kmw, pts, bonus;
};

Columns columnsOf(LineKind kind)
{
    if (kind == LineKind::Record)
        return {RecordColumn::Date, RecordColumn::QRG, RecordColumn::Mode, RecordColumn::QRB,
                RecordColumn::KmW,  RecordColumn::Pts, RecordColumn::Bonus};
    return {ListColumn::Date, ListColumn::QRG, ListColumn::Mode, ListColumn::QRB,
            ListColumn::KmW,  ListColumn::Pts, ListColumn::Bonus};
}

// The year and month of a JJ/MM/AA date (AA from 51 to 99 is 19AA, 00 to 50
// is 20AA, as the import reads the log's dates); 0 when it is no date.
int monthKey(QStringView date)
{
    date = date.trimmed();
    if (date.size() != 8 || date[2] != u'/' || date[5] != u'/')
        return 0;
    bool okMonth = false, okYear = false;
    const int month = date.mid(3, 2).toInt(&okMonth);
    int year = date.mid(6, 2).toInt(&okYear);
    if (!okMonth || !okYear || month < 1 || month > 12)
        return 0;
    year += year > 50 ? 1900 : 2000;
    return year * 100 + month;
}

int whole(QStringView text) { return int(numericValue(text)); }

} // namespace

LogStatistics logStatistics(const QStringList &lines, LineKind kind)
{
    const Columns c = columnsOf(kind);
    LogStatistics out;
    out.qrbBins = QList<int>(QrbBins, 0);
    QMap<int, MonthFigures> months;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        const int key = monthKey(recordField(line, c.date));
        if (key == 0)
            continue; // a QSO without a date has no month
        MonthFigures &m = months[key];
        m.year = key / 100;
        m.month = key % 100;
        const int points = whole(recordField(line, c.pts)), bonus = whole(recordField(line, c.bonus));
        const int kmw = whole(recordField(line, c.kmw));
        ++m.qsos;
        m.points += points;
        m.bonus += bonus;
        m.bestKmW = std::max(m.bestKmW, kmw);
        ++m.byBand[recordField(line, c.band).trimmed().toString()];
        ++out.byMode[recordField(line, c.mode).trimmed().toString()];
        ++out.qrbBins[std::min(whole(recordField(line, c.qrb)) / QrbBinKm, QrbBins - 1)];
        ++out.qsos;
        out.points += points + bonus;
        out.bestKmW = std::max(out.bestKmW, kmw);
    }
    out.months = months.values();
    return out;
}

QList<MonthFigures> everyMonth(const LogStatistics &statistics)
{
    QList<MonthFigures> out;
    if (statistics.months.isEmpty())
        return out;
    int year = statistics.months.first().year, month = statistics.months.first().month;
    for (const MonthFigures &m : statistics.months) {
        while (year * 100 + month < m.year * 100 + m.month) {
            MonthFigures empty;
            empty.year = year;
            empty.month = month;
            out.append(empty);
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
        out.append(m);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return out;
}

QStringList statisticsLines(const LogStatistics &statistics)
{
    QStringList out;
    for (const MonthFigures &m : statistics.months)
        out.append(QStringLiteral("%1-%2 %3 %4 %5")
                       .arg(m.year)
                       .arg(m.month, 2, 10, QLatin1Char('0'))
                       .arg(m.qsos)
                       .arg(m.points + m.bonus)
                       .arg(m.bestKmW));
    out.append(QStringLiteral("Total %1 %2 %3").arg(statistics.qsos).arg(statistics.points).arg(statistics.bestKmW));
    return out;
}

QString monthName(int year, int month)
{
    static const char *const names[] = {"janv.", "févr.", "mars", "avr.", "mai", "juin",
                                        "juil.", "août", "sept.", "oct.", "nov.", "déc."};
    return QString::fromUtf8(names[(month + 11) % 12]) + u' ' + QString::number(year);
}

} // namespace pendrel
