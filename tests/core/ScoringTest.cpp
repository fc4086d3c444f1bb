#include "core/entry/Scoring.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace pendrel;

TEST(Scoring, Points)
{
    struct Case {
        StationKind kind;
        const char *callsign, *points;
    };
    const Case cases[] = {
        {StationKind::Fixed, "F0ABC", "1"},      {StationKind::Fixed, "F0ABC/P", "4"},
        {StationKind::Fixed, "F0ABC/PX", "1"},   {StationKind::Fixed, "F0ABC/p", "1"},
        {StationKind::Fixed, "/P", "4"},         {StationKind::Portable, "F0ABC", "4"},
        {StationKind::Portable, "F0ABC/P", "4"}, {StationKind::Portable, "", "4"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(QsoPoints(c.kind, QString::fromUtf8(c.callsign)), QString::fromUtf8(c.points)) << c.callsign;
}

// Phone modes allow 10 W, every other mode 5 W: as typed in the window (any
// case, blanks around) and as an import reads the log's bytes.
TEST(Scoring, PowerAllowedByMode)
{
    const std::pair<const char *, int> cases[] = {
        {"SSB", 10}, {" usb ", 10}, {"Lsb", 10}, {"AM", 10}, {"fm", 10}, {"CW", 5},  {"DIG", 5},
        {"RTTY", 5}, {"FT8", 5},    {"", 5},     {"SS", 5},  {"SSBX", 5}, {"A M", 5}, {"\xC9M", 5},
    };
    for (const auto &[mode, watts] : cases) {
        EXPECT_EQ(allowedPowerWatts(QString::fromLatin1(mode)), watts) << mode;
        EXPECT_EQ(allowedPowerWatts(QByteArrayView(mode)), watts) << mode;
    }
}

TEST(Scoring, OutingBonusByCountAndMonth)
{
    for (int month = 1; month <= 12; ++month) {
        const bool winter = month >= 11 || month <= 2;
        EXPECT_EQ(OutingBonus(StationKind::Portable, 5, month), winter ? QStringLiteral("15") : QStringLiteral("10"))
            << month;
        EXPECT_EQ(OutingBonus(StationKind::Fixed, 5, month), QString()) << month;
        for (int count : {-1, 0, 1, 4, 6, 10, 32767})
            EXPECT_EQ(OutingBonus(StationKind::Portable, count, month), QString()) << count;
    }
}

TEST(Scoring, AnOutingEarnsItsBonusOnce)
{
    struct Case {
        StationKind kind;
        int count;
        bool earned;
        const char *bonus; // in June
    };
    const Case cases[] = {
        {StationKind::Portable, 4, false, ""},  {StationKind::Portable, 5, false, "10"},
        {StationKind::Portable, 5, true, ""},   {StationKind::Portable, 6, false, "10"}, // lost by a delete
        {StationKind::Portable, 6, true, ""},   {StationKind::Portable, 40, true, ""},
        {StationKind::Fixed, 5, false, ""},     {StationKind::Portable, -3, false, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(OutingBonus(c.kind, c.count, 6, c.earned), QString::fromUtf8(c.bonus)) << c.count << c.earned;
}

TEST(Scoring, KmPerWatt)
{
    struct Case {
        const char *qrb, *power, *kmw;
    };
    const Case cases[] = {
        {"612", "5", "122"}, {"10", "3", "3"}, {"512", "5", "102"}, {"99", "10", "9"}, {"0", "5", "0"},
        {"4", "5", "0"},     {"", "5", ""},    {"612", "", ""},     {"612", "0", ""},   {"20034", "1", "20034"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(KmPerWatt(QString::fromUtf8(c.qrb), QString::fromUtf8(c.power)), QString::fromUtf8(c.kmw))
            << c.qrb << '/' << c.power;
}
