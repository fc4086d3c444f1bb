#include "core/storage/QsoRecord.h"

#include <algorithm>
#include <array>

namespace pendrel {
namespace {

struct Column {
    QString QsoRecord::*field;
    int width;
    int recordStart; // 0-based
    int listStart;   // 0-based
    int separator;   // blanks written after the field in the record line
};

// The one column map of both line forms.
const std::array<Column, 17> kColumns = {{
    {&QsoRecord::Indicatif, 12, 0, 7, 1},
    {&QsoRecord::Dpt, 4, 13, 21, 1},
    {&QsoRecord::Prenom, 14, 18, 26, 1},
    {&QsoRecord::Loc, 6, 33, 41, 1},
    {&QsoRecord::Date, 8, 40, 49, 1},
    {&QsoRecord::QTR, 5, 49, 59, 1},
    {&QsoRecord::Mode, 3, 55, 66, 1},
    {&QsoRecord::QRG, 7, 59, 71, 1},
    {&QsoRecord::RstR, 3, 67, 80, 1},
    {&QsoRecord::RstE, 3, 71, 85, 1},
    {&QsoRecord::QTH, 30, 75, 89, 1},
    {&QsoRecord::QRB, 5, 106, 121, 1},
    {&QsoRecord::MyLoc, 6, 112, 127, 2},
    {&QsoRecord::Pwr, 2, 120, 135, 2},
    {&QsoRecord::KmW, 5, 124, 139, 2},
    {&QsoRecord::Pts, 1, 131, 146, 2},
    {&QsoRecord::Bonus, 2, 134, 149, 0},
}};

QString fieldAt(QStringView line, int start, int width)
{
    QString out = line.size() > start ? line.mid(start, width).toString() : QString();
    if (out.size() < width)
        out.append(QString(width - out.size(), u' '));
    return out;
}

void appendPadded(QString &out, QStringView value, int width)
{
    const qsizetype kept = std::min<qsizetype>(value.size(), width);
    out.append(value.left(kept));
    out.resize(out.size() + width - kept, u' ');
}

} // namespace

QsoRecord QsoRecord::fromRecordLine(QStringView line)
{
    QsoRecord r;
    for (const Column &c : kColumns)
        r.*c.field = fieldAt(line, c.recordStart, c.width);
    return r;
}

QsoRecord QsoRecord::fromListLine(QStringView line)
{
    QsoRecord r;
    for (const Column &c : kColumns)
        r.*c.field = fieldAt(line, c.listStart, c.width);
    return r;
}

QString QsoRecord::recordLine() const
{
    QString out;
    out.reserve(RecordLineLength);
    for (const Column &c : kColumns) {
        appendPadded(out, this->*c.field, c.width);
        out.resize(out.size() + c.separator, u' ');
    }
    return out;
}

QStringView QsoRecord::recordField(QStringView line, QString QsoRecord::*field)
{
    for (const Column &c : kColumns)
        if (c.field == field)
            return line.size() > c.recordStart ? line.mid(c.recordStart, c.width) : QStringView();
    return {};
}

void QsoRecord::writeField(QString &recordLine, QString QsoRecord::*field, QStringView value)
{
    for (const Column &c : kColumns) {
        if (c.field != field)
            continue;
        QChar *dst = recordLine.data() + c.recordStart;
        const qsizetype kept = std::min<qsizetype>(value.size(), c.width);
        std::copy_n(value.data(), kept, dst);
        std::fill_n(dst + kept, c.width - kept, u' ');
        return;
    }
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
        out.resize(out.size() + c.listStart - pos, u' ');
        appendPadded(out, this->*c.field, c.width);
        pos = c.listStart + c.width;
    }
    return out;
}

QString recordLineFromListLine(QStringView listLine)
{
    return QsoRecord::fromListLine(listLine).recordLine();
}

} // namespace pendrel
