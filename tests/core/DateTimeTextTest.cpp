#include "core/storage/DateTimeText.h"
#include "platform/fake/FakePlatform.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;

namespace {

struct CheckCase {
    const char *text;
    int flag;
};

} // namespace

TEST(CheckDateText, PositionsSeparatorsAndRanges)
{
    const CheckCase cases[] = {
        {"07/12/26", 0}, {"00/00/00", 0}, {"31/02/08", 0}, {"31/12/99", 0}, {"29/02/00", 0},
        {"7/12/26", 1},  {"7/12/266", 1}, {"32/01/08", 1}, {"01/13/08", 1}, {"07-12-26", 1},
        {"07/12/2a", 1}, {" 7/12/26", 1}, {"aa/bb/cc", 1}, {"07.12.26", 1}, {"99/99/99", 1},
        {"", 1},         {"07/12/2", 1},  {"07/12/269", 1}, {"07/12/26 ", 1}, {"07/12/2026", 1},
    };
    for (const CheckCase &c : cases) {
        int flag = 1 - c.flag; // the check sets the flag whatever it held
        CheckDateText(QString::fromLatin1(c.text), flag);
        EXPECT_EQ(flag, c.flag) << '"' << c.text << '"';
    }
    int flag = 0;
    CheckDateText(QStringLiteral("٠٧/١٢/٢٦"), flag); // digits of another script
    EXPECT_EQ(flag, 1);
}

TEST(CheckTimeText, PositionsSeparatorAndRanges)
{
    const CheckCase cases[] = {
        {"09:05", 0}, {"23:59", 0}, {"00:00", 0}, {"9:05", 1},  {"24:00", 1},   {"12:60", 1},
        {"12h30", 1}, {"09;05", 1}, {" 9:05", 1}, {"09:5 ", 1}, {"ab:cd", 1},   {"", 1},
        {"9:5", 1},   {"09:0", 1},  {"09:05:00", 1}, {"09:050", 1}, {"99:99", 1},
    };
    for (const CheckCase &c : cases) {
        int flag = 1 - c.flag;
        CheckTimeText(QString::fromLatin1(c.text), flag);
        EXPECT_EQ(flag, c.flag) << '"' << c.text << '"';
    }
}

TEST(ClockText, UtcAndLocalFromTheClock)
{
    struct Case {
        QDateTime utc;
        int localOffset;
        const char *date, *utcTime, *localTime;
    };
    const Case cases[] = {
        {QDateTime(QDate(2026, 12, 31), QTime(23, 59, 30), Qt::UTC), 0, "31/12/26", "23:59:30", "23:59:30"},
        {QDateTime(QDate(2026, 12, 31), QTime(23, 59, 30), Qt::UTC).addSecs(30), 0, "01/01/27", "00:00:00",
         "00:00:00"},
        {QDateTime(QDate(2026, 6, 7), QTime(14, 32, 5), Qt::UTC), 7200, "07/06/26", "14:32:05", "16:32:05"},
        {QDateTime(QDate(2008, 3, 1), QTime(23, 30, 0), Qt::UTC), 3600, "01/03/08", "23:30:00", "00:30:00"},
        {QDateTime(QDate(1999, 1, 2), QTime(3, 4, 5), Qt::UTC), -18000, "02/01/99", "03:04:05", "22:04:05"},
    };
    for (const Case &c : cases) {
        FakeClock clock;
        clock.utc = c.utc;
        clock.localOffsetSeconds = c.localOffset;
        EXPECT_EQ(UtcDateText(clock), QLatin1String(c.date));
        EXPECT_EQ(UtcTimeText(clock), QLatin1String(c.utcTime));
        EXPECT_EQ(LocalTimeText(clock), QLatin1String(c.localTime));
    }
}
