#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/result.h"
#include "engine/text.h"

namespace {

std::u16string str(const char16_t* s) { return s; }

TEST(BoundedAppend, CutsAtCapacityMinusOneAndTerminates) {
    struct Case {
        int capacity;
        const char16_t* start;
        const char16_t* add;
        const char16_t* expected;
    } cases[] = {
        {8, u"ab", u"cdef", u"abcdef"},    // fits with room to spare
        {7, u"ab", u"cdef", u"abcdef"},    // exactly fills capacity - 1
        {6, u"ab", u"cdef", u"abcde"},     // one unit short
        {3, u"ab", u"cdef", u"ab"},        // already full
        {1, u"", u"x", u""},               // room for the terminator only
    };
    for (const Case& c : cases) {
        char16_t buf[16];
        for (char16_t& u : buf) u = u'#';
        text_copy(buf, 16, c.start);
        text_append(buf, c.capacity, c.add);
        EXPECT_EQ(str(buf), str(c.expected)) << "capacity " << c.capacity;
        EXPECT_EQ(buf[c.capacity], u'#') << "nothing written at or past the capacity";
    }
}

TEST(BoundedAppend, ZeroOrNegativeCapacityWritesNothing) {
    char16_t buf[4] = {u'x', u'y', 0, u'#'};
    text_append(buf, 0, u"abc");
    text_append(buf, -5, u"abc");
    text_copy(buf, 0, u"abc");
    format_text(buf, -1, u"%d", 5);
    EXPECT_EQ(str(buf), u"xy");
    EXPECT_EQ(buf[3], u'#');
}

TEST(Format, ConversionsRenderLikePrintf) {
    char16_t buf[128];
    format_text(buf, 128, u"%d|%02d|%03d|%5d|%d", 7, 7, -7, 42, -2147483647 - 1);
    EXPECT_EQ(str(buf), u"7|07|-07|   42|-2147483648");
    format_text(buf, 128, u"%04lld-%02lld|%lld", -1LL, 3LL, static_cast<long long>(-9223372036854775807LL - 1));
    EXPECT_EQ(str(buf), u"-001-03|-9223372036854775808");
    format_text(buf, 128, u"%ls：%ls|%c|%%|100%%", u"华氏", u"", u'D');
    EXPECT_EQ(str(buf), u"华氏：|D|%|100%");
    format_text(buf, 128, u"%.0f|%.1f|%.2f|%.3f", 2.5, 0.25, 1234.5678, -0.0005);
    EXPECT_EQ(str(buf), u"2|0.2|1234.57|-0.001");
    format_text(buf, 128, u"%g|%g|%g|%.6g|%g", 123.4567, 0.00001, 1e20, 1234567.0, 100000.0);
    EXPECT_EQ(str(buf), u"123.457|1e-05|1e+20|1.23457e+06|100000");
    const double inf = std::numeric_limits<double>::infinity();
    format_text(buf, 128, u"%g|%g|%.1f", inf, -inf, 0.05);
    EXPECT_EQ(str(buf), u"inf|-inf|0.1");
}

TEST(Format, CutsAtCapacity) {
    char16_t buf[8];
    buf[5] = u'#';
    EXPECT_EQ(format_text(buf, 5, u"%ls-%d", u"abc", 12345), 4);
    EXPECT_EQ(str(buf), u"abc-");
    EXPECT_EQ(buf[5], u'#');
}

TEST(AppendLine, LineBreakIsCutBeforeTheLine) {
    char16_t buf[16];
    text_copy(buf, 16, u"");
    append_line(buf, 6, u"%ls", u"abcd");  // room for the line and CR only
    EXPECT_EQ(str(buf), u"abcd\r");
    text_copy(buf, 16, u"");
    append_line(buf, 5, u"%ls", u"abcd");  // room for the line only
    EXPECT_EQ(str(buf), u"abcd");
    append_line(buf, 5, u"%ls", u"zz");  // full: nothing
    EXPECT_EQ(str(buf), u"abcd");
    text_copy(buf, 16, u"");
    append_line(buf, 16, u"第 %d 次", 3);
    EXPECT_EQ(str(buf), u"第 3 次\r\n");
}

TEST(AppendLine, LineIsCutAt511Units) {
    std::u16string longer(600, u'x');
    static char16_t buf[1024];
    text_copy(buf, 1024, u"");
    append_line(buf, 1024, u"%ls", longer.c_str());
    EXPECT_EQ(text_length(buf), 513);
    EXPECT_EQ(str(buf).substr(511), u"\r\n");
}

}  // namespace
