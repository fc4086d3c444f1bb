#pragma once
#include <QString>
#include <QStringView>

namespace pendrel {

// One logged contact. Fields are named after the columns of the log report;
// read from a line they keep their blanks, exactly as the columns hold them.
struct QsoRecord {
    QString Indicatif, Dpt, Prenom, Loc, Date, QTR, Mode, QRG, RstR, RstE, QTH, QRB, MyLoc, Pwr, KmW, Pts,
        Bonus;

    static constexpr int RecordLineLength = 136;
    static constexpr int ListLineLength = 151;
    static constexpr int MaxQsoNumber = 99999;

    // Reads the fields at the record-line columns. A field that a short line
    // lacks (wholly or in part) is read as blanks of its width.
    static QsoRecord fromRecordLine(QStringView line);
    // The text of one field of a record line, blanks included, without copying
    // (shorter, or empty, when the line is short).
    static QStringView recordField(QStringView line, QString QsoRecord::*field);
    // Writes `value` into its column of `recordLine` (at least RecordLineLength
    // long), left-aligned, cut to the width and padded with blanks.
    static void writeField(QString &recordLine, QString QsoRecord::*field, QStringView value);
    // Reads the fields at the log-list-line columns (the same widths).
    static QsoRecord fromListLine(QStringView line);

    // The 136-character record line. Each value is written left-aligned,
    // padded with blanks to its width and cut to it, so the line never shifts.
    QString recordLine() const;
    // The 151-character log list line numbered n (1-based).
    QString listLine(int n) const;

    bool operator==(const QsoRecord &) const = default;
};

// Record line of the log list line `listLine` (used when a QSO is edited or deleted).
QString recordLineFromListLine(QStringView listLine);
// The five-column number field of the log list line.
QString listNumberField(int n);

} // namespace pendrel
