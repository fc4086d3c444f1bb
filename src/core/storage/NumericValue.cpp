#include "core/storage/NumericValue.h"

namespace pendrel {

double numericValue(QStringView text)
{
    double value = 0;
    double scale = 0; // 0 before the decimal point, then 0.1, 0.01, ...
    bool negative = false;
    bool started = false;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t')
            continue;
        if (!started && (c == u'-' || c == u'+')) {
            negative = c == u'-';
            started = true;
            continue;
        }
        started = true;
        if (c >= u'0' && c <= u'9') {
            const int d = c.unicode() - u'0';
            if (scale == 0) {
                value = value * 10 + d;
            } else {
                value += d * scale;
                scale /= 10;
            }
        } else if (c == u'.' && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

} // namespace pendrel
