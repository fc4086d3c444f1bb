#pragma once
#include <QString>
#include <QStringView>

namespace pendrel {

// The numeric value of a text as the whole program reads it: blanks are
// skipped wherever they stand, then digits with at most one decimal point
// until the first other character; an empty or non-numeric text counts 0. No
// sign is read: "-9" and "+200" count 0, so a hand-edited log cannot lower
// the total or raise the best km/W with a signed value.
double numericValue(QStringView text);

// A whole number kept in the settings (the outing counter, a list index),
// which the program itself may store below zero: an optional minus sign after
// leading blanks, then the numeric value above, whole part, kept within
// the range of a 16-bit counter.
int storedSettingNumber(QStringView text);

// A whole number (a QRB, a km/W) as its digits, as QString::number(v, 'f', 0)
// writes it; integers are formatted without the floating-point path, which an
// import of 100,000 QSOs would take twice per QSO.
QString wholeNumberText(double whole);

} // namespace pendrel
