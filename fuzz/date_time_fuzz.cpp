// libFuzzer target: any text through the date and time checks of the entry
// line, against a plain reading of their rules, and every accepted date and
// time through the sort key that places an inserted QSO. Built and run by
// scripts/fuzz.
#include "core/storage/DateTimeText.h"
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"

#include "FuzzCheck.h"

#include <cstdint>

using namespace pendrel;
using pendrel::fuzz::check;

namespace {

bool digits(const QString &t, int at)
{
    return t[at] >= u'0' && t[at] <= u'9' && t[at + 1] >= u'0' && t[at + 1] <= u'9';
}

int value(const QString &t, int at)
{
    return (t[at].unicode() - u'0') * 10 + (t[at + 1].unicode() - u'0');
}

// "JJ/MM/AA": digits, slashes, day up to 31 and month up to 12.
bool dateRule(const QString &t)
{
    return t.size() == 8 && digits(t, 0) && digits(t, 3) && digits(t, 6) && t[2] == u'/' && t[5] == u'/'
           && value(t, 0) <= 31 && value(t, 3) <= 12;
}

// "HH:MM": digits, a colon, hour up to 23 and minute up to 59.
bool timeRule(const QString &t)
{
    return t.size() == 5 && digits(t, 0) && digits(t, 3) && t[2] == u':' && value(t, 0) <= 23 && value(t, 3) <= 59;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte chooses how the rest is read, so that both UTF-16 texts
    // and short ASCII ones are explored.
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const QString text = data[0] & 1 ? QString::fromUtf8(rest) : QString::fromLatin1(rest);
    const QString date = text.left(8), time = text.mid(8, 5);

    int dateError = -1, timeError = -1;
    CheckDateText(text, dateError);
    check(dateError == (dateRule(text) ? 0 : 1));
    CheckTimeText(text, timeError);
    check(timeError == (timeRule(text) ? 0 : 1));

    CheckDateText(date, dateError);
    CheckTimeText(time, timeError);
    if (dateError == 0 && timeError == 0) {
        // What the checks let through sorts by year (50-99 before 00-49),
        // month, day, hour and minute.
        QsoRecord r;
        r.Date = date;
        r.QTR = time;
        const qint64 m = LogStore::moment(r.recordLine());
        const int year = value(date, 6);
        check(m % 100 == value(time, 3));
        check(m / 100 % 100 == value(time, 0));
        check(m / 10000 % 100 == value(date, 0));
        check(m / 1000000 % 100 == value(date, 3));
        check(m / 100000000 == (year >= 50 ? 1900 : 2000) + year);
    }
    return 0;
}
