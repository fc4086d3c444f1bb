#include "core/storage/NumericValue.h"

#include <QString>
#include <gtest/gtest.h>

using namespace pendrel;

TEST(NumericValue, LongestDecimalPrefixWithBlanksSkipped)
{
    const std::pair<const char *, double> cases[] = {
        {"", 0},       {"   ", 0},    {"102", 102},   {"  102  ", 102}, {"1 02", 102}, {"\t3", 3},
        {"12.5", 12.5}, {"1.2.3", 1.2}, {".5", 0.5},   {"5.", 5},        {"abc", 0},   {"12abc", 12},
        {"-5", -5},    {"+7", 7},     {"4 x 15", 4},  {"0102", 102},    {"15", 15},   {"1e3", 1},
    };
    for (auto [text, value] : cases)
        EXPECT_DOUBLE_EQ(numericValue(QString::fromLatin1(text)), value) << '"' << text << '"';
}
