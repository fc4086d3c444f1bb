#include "core/storage/QsoRecord.h"

#include <array>

namespace pendrel {
namespace {

struct Column {
    QString QsoRecord::*field;
    FieldColumns record;
    int listStart; // 0-based
    int separator; // blanks written after the field in the record line
};

// The one column map of both line forms.
const std::array<Column, 17> kColumns = {{
    {&QsoRecord::Indicatif, RecordColumn::Indicatif, 7, 1},
    {&QsoRecord::Dpt, RecordColumn::Dpt, 21, 1},
    {&QsoRecord::Prenom, RecordColumn::Prenom, 26, 1},
    {&QsoRecord::Loc, RecordColumn::Loc, 41, 1},
    {&QsoRecord::Date, RecordColumn::Date, 49, 1},
    {&QsoRecord::QTR, RecordColumn::QTR, 59, 1},
    {&QsoRecord::Mode, RecordColumn::Mode, 66, 1},
    {&QsoRecord::QRG, RecordColumn::QRG, 71, 1},
    {&QsoRecord::RstR, RecordColumn::RstR, 80, 1},
    {&QsoRecord::RstE, RecordColumn::RstE, 85, 1},
    {&QsoRecord::QTH, RecordColumn::QTH, 89, 1},
    {&QsoRecord::QRB, RecordColumn::QRB, 121, 1},
    {&QsoRecord::MyLoc, RecordColumn::MyLoc, 127, 2},
    {&QsoRecord::Pwr, RecordColumn::Pwr, 135, 2},
    {&QsoRecord::KmW, RecordColumn::KmW, 139, 2},
    {&QsoRecord::Pts, RecordColumn::Pts, 146, 2},
    {&QsoRecord::Bonus, RecordColumn::Bonus, 149, 0},
}};

QString fieldAt(QStringView line, int start, int width)
{
    QString out = line.size() > start ? line.mid(start, width).toString() : QString();
    if (out.size() < width)
        out.append(QString(width - out.size(), u' '));
    return out;
}

void appendPadded(QString &out, const QString &value, int width)
{
    if (value.size() >= width) {
        out.append(QStringView(value).left(width));
    } else {
        out.append(value);
        out.append(QString(width - value.size(), u' '));
    }
}

} // namespace

QsoRecord QsoRecord::fromRecordLine(QStringView line)
{
    QsoRecord r;
    for (const Column &c : kColumns)
        r.*c.field = fieldAt(line, c.record.start, c.record.width);
    return r;
}

QsoRecord QsoRecord::fromListLine(QStringView line)
{
    QsoRecord r;
    for (const Column &c : kColumns)
        r.*c.field = fieldAt(line, c.listStart, c.record.width);
    return r;
}

QString QsoRecord::recordLine() const
{
    QString out;
    out.reserve(RecordLineLength);
    for (const Column &c : kColumns) {
        appendPadded(out, this->*c.field, c.record.width);
        out.append(QString(c.separator, u' '));
    }
    return out;
}

QString listNumberField(int n)
{
    return QString::number(n).rightJustified(5, u' ');
}

QString QsoRecord::listLine(int n) const
{
    QString out;
    out.reserve(ListLineLength);
    out.append(listNumberField(n));
    int pos = 5;
    for (const Column &c : kColumns) {
        out.append(QString(c.listStart - pos, u' '));
        appendPadded(out, this->*c.field, c.record.width);
        pos = c.listStart + c.record.width;
    }
    return out;
}

QStringView recordField(QStringView line, FieldColumns column)
{
    if (line.size() <= column.start)
        return {};
    return line.mid(column.start, column.width);
}

QString listLineFromRecordLine(QStringView recordLine, int n)
{
    QString out(QsoRecord::ListLineLength, u' ');
    QChar *dst = out.data();
    const QString number = listNumberField(n);
    std::copy(number.begin(), number.end(), dst);
    for (const Column &c : kColumns) {
        const QStringView value = recordField(recordLine, c.record);
        std::copy(value.begin(), value.end(), dst + c.listStart);
    }
    return out;
}

QString recordLineFromListLine(QStringView listLine)
{
    return QsoRecord::fromListLine(listLine).recordLine();
}

} // namespace pendrel
