#include "ui/MainFixture.h"

#include <QTest>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class ClockDisplay : public MainFixture {};

TEST_F(ClockDisplay, LabelsShowUtcTimeLocalTimeAndUtcDate)
{
    clock.localOffsetSeconds = 2 * 3600;
    const struct {
        QDateTime utc;
        const char *utcTime, *localTime, *date;
    } cases[] = {
        {QDateTime(QDate(2026, 12, 31), QTime(23, 59, 30), Qt::UTC), "23:59 Utc", "01:59 Loc", "31/12/26"},
        {QDateTime(QDate(2027, 1, 1), QTime(0, 0, 4), Qt::UTC), "00:00 Utc", "02:00 Loc", "01/01/27"},
        {QDateTime(QDate(2026, 12, 7), QTime(14, 32, 10), Qt::UTC), "14:32 Utc", "16:32 Loc", "07/12/26"},
    };
    createMain();
    for (const auto &t : cases) {
        clock.utc = t.utc;
        main->tickClock();
        EXPECT_EQ(c().Label37->text(), t.utcTime);
        EXPECT_EQ(c().Label34->text(), t.localTime);
        EXPECT_EQ(c().Label33->text(), t.date);
        EXPECT_TRUE(c().Label37->isEnabled());
    }
}

TEST_F(ClockDisplay, TimerRefreshesTheLabelsEverySecond)
{
    clock.utc = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 30), Qt::UTC);
    createMain();
    EXPECT_EQ(c().Label33->text(), "31/12/26"); // shown from the start
    clock.utc = QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1), Qt::UTC);
    EXPECT_TRUE(QTest::qWaitFor([&] { return c().Label33->text() == "01/01/27"; }, 2500));
    EXPECT_EQ(c().Label37->text(), "00:00 Utc");
}

} // namespace
