#include "core/storage/QsoRecord.h"

#include "core/storage/Cp1252.h"

#include <algorithm>
#include <array>

namespace pendrel {
namespace {

struct Column {
    QString QsoRecord::*field;
    FieldColumns record;
    FieldColumns list;
    int separator; // blanks written after the field in the record line
};

// The one column map of both line forms.
#define PENDREL_COLUMN(name, separator) {&QsoRecord::name, RecordColumn::name, ListColumn::name, separator}
constexpr std::array<Column, 17> kColumns = {{
    PENDREL_COLUMN(Indicatif, 1), PENDREL_COLUMN(Dpt, 1),  PENDREL_COLUMN(Prenom, 1), PENDREL_COLUMN(Loc, 1),
    PENDREL_COLUMN(Date, 1),      PENDREL_COLUMN(QTR, 1),  PENDREL_COLUMN(Mode, 1),   PENDREL_COLUMN(QRG, 1),
    PENDREL_COLUMN(RstR, 1),      PENDREL_COLUMN(RstE, 1), PENDREL_COLUMN(QTH, 1),    PENDREL_COLUMN(QRB, 1),
    PENDREL_COLUMN(MyLoc, 2),     PENDREL_COLUMN(Pwr, 2),  PENDREL_COLUMN(KmW, 2),    PENDREL_COLUMN(Pts, 2),
    PENDREL_COLUMN(Bonus, 0),
}};
#undef PENDREL_COLUMN

// Widths agree between the two forms, and each field follows the one before.
constexpr bool columnsAgree()
{
    int recordEnd = 0, listEnd = ListColumn::Number.width;
    for (const Column &c : kColumns) {
        if (c.record.width != c.list.width || c.record.start != recordEnd || c.list.start < listEnd)
            return false;
        recordEnd = c.record.start + c.record.width + c.separator;
        listEnd = c.list.start + c.list.width;
    }
    return recordEnd == QsoRecord::RecordLineLength && listEnd == QsoRecord::ListLineLength;
}
static_assert(columnsAgree());

// Writes n right-aligned in the five-column number field.
void writeNumber(QChar *dst, int n)
{
    for (int pos = ListColumn::Number.width - 1; pos >= 0; --pos) {
        dst[pos] = QChar(u'0' + n % 10);
        n /= 10;
        if (n == 0)
            break;
    }
}

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

QStringView QsoRecord::recordField(QStringView line, QString QsoRecord::*field)
{
    for (const Column &c : kColumns)
        if (c.field == field)
            return pendrel::recordField(line, c.record);
    return {};
}

void QsoRecord::writeField(QString &recordLine, QString QsoRecord::*field, QStringView value)
{
    for (const Column &c : kColumns)
        if (c.field == field)
            return writeField(recordLine, c.record, value);
}

void QsoRecord::writeField(QString &recordLine, FieldColumns column, QStringView value)
{
    QChar *dst = recordLine.data() + column.start;
    const qsizetype kept = std::min<qsizetype>(value.size(), column.width);
    std::copy_n(value.data(), kept, dst);
    std::fill_n(dst + kept, column.width - kept, u' ');
}

QsoRecord QsoRecord::fromListLine(QStringView line)
{
    QsoRecord r;
    for (const Column &c : kColumns)
        r.*c.field = fieldAt(line, c.list.start, c.list.width);
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
        out.append(QString(c.list.start - pos, u' '));
        appendPadded(out, this->*c.field, c.list.width);
        pos = c.list.start + c.list.width;
    }
    return out;
}

QStringView recordField(QStringView line, FieldColumns column)
{
    if (line.size() <= column.start)
        return {};
    return line.mid(column.start, column.width);
}

QByteArrayView recordField(QByteArrayView line, FieldColumns column)
{
    if (line.size() <= column.start)
        return {};
    return line.sliced(column.start, std::min<qsizetype>(column.width, line.size() - column.start));
}

QString listLineFromRecordLine(QStringView recordLine, int n)
{
    QString out(QsoRecord::ListLineLength, u' ');
    QChar *dst = out.data();
    writeNumber(dst, n);
    for (const Column &c : kColumns) {
        const QStringView value = recordField(recordLine, c.record);
        std::copy(value.begin(), value.end(), dst + c.list.start);
    }
    return out;
}

QString listLineFromRecordBytes(QByteArrayView recordLine, int n)
{
    QString out(QsoRecord::ListLineLength, u' ');
    QChar *dst = out.data();
    writeNumber(dst, n);
    for (const Column &c : kColumns) {
        if (recordLine.size() <= c.record.start)
            break;
        const qsizetype width = std::min<qsizetype>(c.record.width, recordLine.size() - c.record.start);
        cp1252::decodeInto(recordLine.sliced(c.record.start, width), dst + c.list.start);
    }
    return out;
}

QString recordLineFromListLine(QStringView listLine)
{
    return QsoRecord::fromListLine(listLine).recordLine();
}

} // namespace pendrel
