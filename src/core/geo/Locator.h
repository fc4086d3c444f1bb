#pragma once
#include <QString>

namespace pendrel {

// Check of a locator that can exist (six characters, upper case): the field
// letters (positions 1, 2) A-R, the square digits (3, 4) 0-9, the subsquare
// letters (5, 6) A-X; "ZZ99ZZ" names no place on Earth. Sets `error` to 1 on
// the first failure and leaves it untouched otherwise.
void CheckLocator(const QString &locator, int &error);

} // namespace pendrel
