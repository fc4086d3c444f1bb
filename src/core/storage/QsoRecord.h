#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pendrel {

// Where a field stands in the record line: 0-based start and width.
struct FieldColumns {
    int start;
    int width;
};

// The column of each field in the record line (136 characters)...
namespace RecordColumn {
inline constexpr FieldColumns Indicatif{0, 12}, Dpt{13, 4}, Prenom{18, 14}, Loc{33, 6}, Date{40, 8}, QTR{49, 5},
    Mode{55, 3}, QRG{59, 7}, RstR{67, 3}, RstE{71, 3}, QTH{75, 30}, QRB{106, 5}, MyLoc{112, 6}, Pwr{120, 2},
    KmW{124, 5}, Pts{131, 1}, Bonus{134, 2};
}
// ...and in the log list line (151 characters, after the five-column number).
namespace ListColumn {
inline constexpr FieldColumns Number{0, 5}, Indicatif{7, 12}, Dpt{21, 4}, Prenom{26, 14}, Loc{41, 6}, Date{49, 8},
    QTR{59, 5}, Mode{66, 3}, QRG{71, 7}, RstR{80, 3}, RstE{85, 3}, QTH{89, 30}, QRB{121, 5}, MyLoc{127, 6},
    Pwr{135, 2}, KmW{139, 5}, Pts{146, 1}, Bonus{149, 2};
}

// The part of `line` within the field's columns: shorter or empty when the line is.
QStringView recordField(QStringView line, FieldColumns column);
// The same in a line's bytes (one byte a character in the code page).
QByteArrayView recordField(QByteArrayView line, FieldColumns column);

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
    // The same at known columns (RecordColumn), without looking the field up.
    static void writeField(QString &recordLine, FieldColumns column, QStringView value);
    // Reads the fields at the log-list-line columns (the same widths).
    static QsoRecord fromListLine(QStringView line);

    // The 136-character record line. Each value is written left-aligned,
    // padded with blanks to its width and cut to it, so the line never shifts.
    QString recordLine() const;
    // The 151-character log list line numbered n (1-based).
    QString listLine(int n) const;

    bool operator==(const QsoRecord &) const = default;
};

// The log list line numbered n of a record line, built straight from its
// columns (the loading path; the same text as fromRecordLine(line).listLine(n)).
QString listLineFromRecordLine(QStringView recordLine, int n);
// The same from the windows-1252 bytes of a record line, decoded on the way.
QString listLineFromRecordBytes(QByteArrayView recordLine, int n);
// Record line of the log list line `listLine` (used when a QSO is edited or deleted).
QString recordLineFromListLine(QStringView listLine);
// The five-column number field of the log list line.
QString listNumberField(int n);

} // namespace pendrel
