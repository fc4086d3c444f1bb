#include "core/geo/Locator.h"

namespace pendrel {

void CheckLocator(const QString &locator, int &error)
{
    if (locator.size() != 6) {
        error = 1;
        return;
    }
    for (int i = 0; i < 6; ++i) {
        const char16_t c = locator[i].unicode();
        const char16_t last = i < 2 ? u'R' : u'X';
        const bool digitPlace = i == 2 || i == 3;
        const bool ok = digitPlace ? (c >= u'0' && c <= u'9') : (c >= u'A' && c <= last);
        if (!ok) {
            error = 1;
            return;
        }
    }
}

} // namespace pendrel
