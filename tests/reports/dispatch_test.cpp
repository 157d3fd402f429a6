#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "report_fixture.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Dispatch, KindsOutsideTheTableGiveTheFallback) {
    const InputSet in({{"kind", 1}, {"nurses", 3}});
    for (int kind : {0, -1, 12, 99, INT32_MIN, INT32_MAX}) {
        ReportOut out = run_kind(kind, in);
        EXPECT_EQ(out.report, u"（该工具暂无自定义报告）") << kind;  // no line break
        EXPECT_EQ(out.verdict, u"暂无报告内容") << kind;
        EXPECT_EQ(out.level, 0) << kind;
    }
}

TEST(Dispatch, StartsFromEmptyBuffers) {
    const InputSet in({});
    char16_t report[4096], verdict[64];
    text_copy(report, 4096, u"old");
    text_copy(verdict, 64, u"old");
    run_report_kind(8, &in.tool, in.values, report, 4096, verdict, 64);
    EXPECT_EQ(line_at(report, 0), u"手术安全核查表（三步核查）：");
    EXPECT_EQ(std::u16string(verdict), u"三方核查缺一不可，签字后归档");
}

TEST(InputLookup, FirstExactKeyWins) {
    const InputSet in({{"Kind", 4}, {"kind", 2}, {"kind", 5}, {"kin", 6}, {"kinds", 7}});
    EXPECT_EQ(find_input_value(&in.tool, in.values, "kind"), 2);
    EXPECT_EQ(find_input_value(&in.tool, in.values, "Kind"), 4);
    EXPECT_EQ(find_input_value(&in.tool, in.values, "KIND"), 0);
    EXPECT_EQ(find_input_value(&in.tool, in.values, ""), 0);
    const InputSet none({});
    EXPECT_EQ(find_input_value(&none.tool, none.values, "kind"), 0);
}

TEST(IntegerConversion, TruncatesTowardZeroAndMapsTheRestToTheMinimum) {
    const struct {
        double value;
        int expected;
    } cases[] = {
        {1.9, 1},
        {-0.7, 0},
        {-1.5, -1},
        {0.0, 0},
        {-0.0, 0},
        {2147483647.0, 2147483647},
        {2147483647.9, 2147483647},
        {-2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},
        {2147483648.0, INT32_MIN},
        {-2147483649.0, INT32_MIN},
        {1e10, INT32_MIN},
        {-1e300, INT32_MIN},
        {kInf, INT32_MIN},
        {-kInf, INT32_MIN},
        {kNaN, INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(report_int(c.value), c.expected) << c.value;
}

TEST(Dispatch, ComputeToolResultHandsReportKindsToTheGenerator) {
    const ToolInput inputs[] = {{"drugA", u"甲", nullptr, 9}, {"drugB", u"乙", nullptr, 2}};
    ToolDef tool = {901, u"t", nullptr, u"c", u"b", nullptr, 2, inputs, 0, nullptr, 0, nullptr, 6};
    const double values[] = {9, 2};
    char16_t report[4096], verdict[512], copy[4096];
    int level = -1;
    const int returned =
        compute_tool_result(&tool, values, report, 4096, verdict, 512, &level, copy, 4096);
    EXPECT_EQ(returned, 3);
    EXPECT_EQ(level, 3);
    EXPECT_EQ(std::u16string(verdict), u"禁忌：不可同瓶输注，需间隔冲管");
    EXPECT_EQ(line_at(report, 5), u"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。");
    EXPECT_EQ(std::u16string(copy), std::u16string(report));

    tool.report_kind = 12;  // no generator: the fallback, not the default verdict
    compute_tool_result(&tool, values, report, 4096, verdict, 512, &level, copy, 4096);
    EXPECT_EQ(std::u16string(report), u"（该工具暂无自定义报告）");
    EXPECT_EQ(std::u16string(copy), u"（该工具暂无自定义报告）");
    EXPECT_EQ(std::u16string(verdict), u"暂无报告内容");
    EXPECT_EQ(level, 0);
}

}  // namespace
