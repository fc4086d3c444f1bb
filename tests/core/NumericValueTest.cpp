#include "core/storage/NumericValue.h"

#include <QString>
#include <gtest/gtest.h>

using namespace pendrel;

TEST(NumericValue, LongestDecimalPrefixWithBlanksSkipped)
{
    const std::pair<const char *, double> cases[] = {
        {"", 0},       {"   ", 0},    {"102", 102},   {"  102  ", 102}, {"1 02", 102}, {"\t3", 3},
        {"12.5", 12.5}, {"1.2.3", 1.2}, {".5", 0.5},   {"5.", 5},        {"abc", 0},   {"12abc", 12},
        {"-5", 0},     {"+7", 0},     {"4 x 15", 4},  {"0102", 102},    {"15", 15},   {"1e3", 1},
        {" - 9", 0},   {"1-2", 1},    {"5 -", 5},     {"\u00b2", 0},
    };
    for (auto [text, value] : cases)
        EXPECT_DOUBLE_EQ(numericValue(QString::fromUtf8(text)), value) << '"' << text << '"';
}

TEST(NumericValue, StoredSettingNumbersKeepTheirSign)
{
    const std::pair<const char *, int> cases[] = {
        {"5", 5},   {"-1", -1},  {" -3 ", -3},      {"", 0},          {"abc", 0},      {"+4", 0},
        {"6.9", 6}, {"--2", 0},  {"40000", 32767}, {"-40000", -32768}, {"-32768", -32768},
    };
    for (auto [text, value] : cases)
        EXPECT_EQ(storedSettingNumber(QString::fromLatin1(text)), value) << '"' << text << '"';
}

// The fast integer path writes what the floating-point one writes, at its edges too.
TEST(NumericValue, WholeNumbersAreWrittenAsQStringNumberWritesThem)
{
    for (double whole : {0.0, -0.0, 1.0, 612.0, 20038.0, 1e15, 9007199254740991.0, 9007199254740992.0, 1e20, 2.5,
                         1e300, -3.0})
        EXPECT_EQ(wholeNumberText(whole), QString::number(whole, 'f', 0)) << whole;
}
