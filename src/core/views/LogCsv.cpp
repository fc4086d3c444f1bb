#include "core/views/LogCsv.h"

#include "core/storage/QsoRecord.h"

#include <algorithm>

namespace pendrel {

namespace {

const QStringList FieldNames = {
    QStringLiteral("N"),   QStringLiteral("Indicatif"), QStringLiteral("Dpt"),  QStringLiteral("Prenom"),
    QStringLiteral("Loc"), QStringLiteral("Date"),      QStringLiteral("QTR"),  QStringLiteral("Mode"),
    QStringLiteral("QRG"), QStringLiteral("RstR"),      QStringLiteral("RstE"), QStringLiteral("QTH"),
    QStringLiteral("QRB"), QStringLiteral("MyLoc"),     QStringLiteral("Pwr"),  QStringLiteral("KmW"),
    QStringLiteral("Pts"), QStringLiteral("Bonus")};

QString csvValue(const QString &value)
{
    static const QString special = QStringLiteral(",\"\r\n");
    const bool quoted = std::any_of(value.begin(), value.end(), [](QChar c) { return special.contains(c); });
    if (!quoted)
        return value;
    return u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString joined(const QStringList &values)
{
    QStringList cells;
    for (const QString &v : values)
        cells.append(csvValue(v));
    return cells.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QString csvHeader()
{
    return joined(FieldNames);
}

QString csvRow(const QString &listLine)
{
    const QsoRecord r = QsoRecord::fromListLine(listLine);
    // The list's own number, in its first five columns.
    QStringList values = {listLine.left(5).trimmed()};
    for (const QString *field : {&r.Indicatif, &r.Dpt, &r.Prenom, &r.Loc, &r.Date, &r.QTR, &r.Mode, &r.QRG, &r.RstR,
                                 &r.RstE, &r.QTH, &r.QRB, &r.MyLoc, &r.Pwr, &r.KmW, &r.Pts, &r.Bonus})
        values.append(field->trimmed());
    return joined(values);
}

} // namespace pendrel
