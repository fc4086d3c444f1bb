#include "core/storage/DateTimeText.h"

namespace pendrel {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Number formed by the two digits at `at` (only called once they are known digits).
int twoDigits(const QString &text, int at)
{
    return (text[at].unicode() - u'0') * 10 + (text[at + 1].unicode() - u'0');
}

} // namespace

QString UtcDateText(const Clock &clock)
{
    return clock.nowUtc().toString(QStringLiteral("dd/MM/yy"));
}

QString UtcTimeText(const Clock &clock)
{
    return clock.nowUtc().toString(QStringLiteral("HH:mm:ss"));
}

QString LocalTimeText(const Clock &clock)
{
    return clock.nowLocal().toString(QStringLiteral("HH:mm:ss"));
}

void CheckDateText(const QString &text, int &error)
{
    error = 0;
    if (text.size() != 8) {
        error = 1;
        return;
    }
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!isDigit(text[i]))
            error = 1;
    if (text[2] != u'/' || text[5] != u'/')
        error = 1;
    if (error)
        return;
    if (twoDigits(text, 0) > 31 || twoDigits(text, 3) > 12)
        error = 1;
}

void CheckTimeText(const QString &text, int &error)
{
    error = 0;
    if (text.size() != 5) {
        error = 1;
        return;
    }
    for (int i : {0, 1, 3, 4})
        if (!isDigit(text[i]))
            error = 1;
    if (text[2] != u':')
        error = 1;
    if (error)
        return;
    if (twoDigits(text, 0) > 23 || twoDigits(text, 3) > 59)
        error = 1;
}

} // namespace pendrel
