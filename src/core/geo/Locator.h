#pragma once
#include <QString>

namespace pendrel {

// Character check of the fixed station's locator (six characters, upper case):
// positions 1, 2, 5, 6 are letters A-Z, positions 3, 4 digits 0-9. Sets
// `error` to 1 on the first failure and leaves it untouched otherwise.
void CheckLocator(const QString &locator, int &error);

} // namespace pendrel
