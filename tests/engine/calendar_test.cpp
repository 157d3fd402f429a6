#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "engine/calendar.h"

namespace {

std::u16string date(int64_t day, int capacity = 32) {
    char16_t text[32];
    format_day_number(day, text, capacity);
    return text;
}

TEST(Calendar, FormatDayNumber) {
    struct Case {
        int64_t day;
        const char16_t* text;
    } cases[] = {
        {0, u"1970-01-01"},       {-1, u"1969-12-31"},      {59, u"1970-03-01"},
        {10957, u"2000-01-01"},   {19723, u"2024-01-01"},   {2932896, u"9999-12-31"},
        {2932897, u"10000-01-01"}, {-719468, u"0000-03-01"}, {-719469, u"0000-02-29"},
        {-719528, u"0000-01-01"}, {-719529, u"-001-12-31"}, {-719894, u"-002-12-31"},
        {std::numeric_limits<int64_t>::max(), u"--"},        {std::numeric_limits<int64_t>::min(), u"--"},
    };
    for (const Case& c : cases) EXPECT_EQ(date(c.day), c.text) << c.day;
    EXPECT_EQ(date(0, 5), u"1970");
}

TEST(Calendar, DaysFromCivil) {
    struct Case {
        int32_t y, m, d;
        int64_t day;
    } cases[] = {
        {1970, 1, 1, 0},       {2000, 3, 1, 11017},   {2024, 2, 29, 19782},  {1, 1, 1, -719162},
        {0, 1, 1, -719528},    {-1, 12, 31, -719529}, {2024, 1, 32, 19754},  {2024, 2, 1, 19754},
        {2023, 2, 29, 19417},  {2023, 3, 1, 19417},   {2024, 3, 0, 19782},
    };
    for (const Case& c : cases) EXPECT_EQ(days_from_civil(c.y, c.m, c.d), c.day) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(date(days_from_civil(2024, 13, 1)), u"2025-01-01");
    EXPECT_EQ(date(days_from_civil(2024, 0, 1)), u"2023-12-01");
}

TEST(Calendar, ExtremeFieldsDoNotOverflow) {
    // No result is promised this far out; the sanitizers check that none overflows.
    const int32_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    for (int32_t y : {lo, hi})
        for (int32_t m : {lo, 1, 2, 3, hi})
            for (int32_t d : {lo, 1, hi}) (void)days_from_civil(y, m, d);
    for (int64_t day : {std::numeric_limits<int64_t>::max() - 719468, std::numeric_limits<int64_t>::min() + 719468 + 146097})
        EXPECT_NE(date(day), u"--") << day;
}

TEST(Calendar, RoundTripEveryDayOfYearsMinus9999To9999) {
    const int64_t first = days_from_civil(-9999, 1, 1);
    const int64_t last = days_from_civil(9999, 12, 31);
    int32_t y = -9999, m = 1, d = 1;
    const int month_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int64_t day = first; day <= last; ++day) {
        ASSERT_EQ(days_from_civil(y, m, d), day) << y << "-" << m << "-" << d;
        char16_t text[32];
        format_day_number(day, text, 32);
        // The text must name the same date as the walk.
        char expected[32];
        std::snprintf(expected, sizeof expected, y < 0 ? "-%03d-%02d-%02d" : "%04d-%02d-%02d", y < 0 ? -y : y, m, d);
        int i = 0;
        while (expected[i] && text[i] == static_cast<unsigned char>(expected[i])) ++i;
        if (expected[i] || text[i]) FAIL() << "day " << day << " should be " << expected;
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        const int length = month_days[m - 1] + (m == 2 && leap ? 1 : 0);
        if (++d > length) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
}

}  // namespace
