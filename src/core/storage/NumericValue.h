#pragma once
#include <QStringView>

namespace pendrel {

// The numeric value of a text as the whole program reads it: blanks are
// skipped wherever they stand, an optional sign, then digits with at most one
// decimal point until the first other character; an empty or non-numeric text
// counts 0.
double numericValue(QStringView text);

} // namespace pendrel
