#include "core/storage/NumericValue.h"

#include <algorithm>
#include <cmath>

namespace pendrel {

double numericValue(QStringView text)
{
    double value = 0;
    double scale = 0; // 0 before the decimal point, then 0.1, 0.01, ...
    for (QChar c : text) {
        if (c == u' ' || c == u'\t')
            continue;
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
            // A sign is no digit either: a hand-edited "-9" counts 0, not -9.
            break;
        }
    }
    return value;
}

int storedSettingNumber(QStringView text)
{
    const QStringView rest = text.trimmed();
    const bool negative = rest.startsWith(u'-');
    const double value = std::min(numericValue(negative ? rest.mid(1) : rest), 32768.0);
    return std::max(-32768, int(negative ? -value : std::min(value, 32767.0)));
}

QString wholeNumberText(double whole)
{
    constexpr double exact = 9007199254740992.0; // 2^53: every integer below is a double
    if (!std::signbit(whole) && whole < exact && whole == std::floor(whole))
        return QString::number(qint64(whole));
    return QString::number(whole, 'f', 0);
}

} // namespace pendrel
