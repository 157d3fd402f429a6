#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "engine/result.h"

namespace {

struct Outcome {
    std::u16string report;
    std::u16string verdict;
    std::u16string copy;
    int level;
    int returned;
};

Outcome run(const ToolDef* tool, const double* inputs, int verdict_capacity = 512,
            int report_capacity = 4096) {
    static char16_t report[8192], verdict[512], copy[8192];
    int level = -7;
    int returned = compute_tool_result(tool, inputs, report, report_capacity, verdict,
                                       verdict_capacity, &level, copy, 8192);
    return {report, verdict, copy, level, returned};
}

TEST(BuiltinTool, ReportsVerdictsAndLevels) {
    const ToolDef* tool = get_builtin_tool();
    struct Case {
        double c;
        const char16_t* report;
        const char16_t* verdict;
        int level;
    } cases[] = {
        {37, u"华氏温度：98.6 ℉\r\n绝对温度：310.15 K\r\n", u"体温正常", 0},
        {37.3, u"华氏温度：99.1 ℉\r\n绝对温度：310.45 K\r\n", u"体温正常", 0},
        {37.4, u"华氏温度：99.3 ℉\r\n绝对温度：310.55 K\r\n", u"体温升高，结合症状判断", 1},
        {-40, u"华氏温度：-40.0 ℉\r\n绝对温度：233.15 K\r\n", u"体温正常", 0},
        {-273.15, u"华氏温度：-459.7 ℉\r\n绝对温度：0.00 K\r\n", u"体温正常", 0},
    };
    for (const Case& c : cases) {
        Outcome o = run(tool, &c.c);
        EXPECT_EQ(o.report, c.report) << c.c;
        EXPECT_EQ(o.verdict, c.verdict) << c.c;
        EXPECT_EQ(o.level, c.level) << c.c;
        EXPECT_EQ(o.returned, c.level) << c.c;
        EXPECT_EQ(o.copy, o.report) << c.c;
    }
}

const ToolInput kX[] = {{"x", u"x", nullptr, 0}};

TEST(FormulaTool, FailedOutputsKeepTheirLinesAndAddOneWarning) {
    const ToolOutput outputs[] = {
        {"a", u"甲", u"", "x/0", "f2"},          // fails with 0
        {"b", u"乙", nullptr, "exp(1000)", "f1"},  // fails with infinity
        {"c", u"丙", u"单位", "a + 1", nullptr},   // an earlier output's value
        {"d", u"丁", nullptr, "e + 1", "f0"},      // a later output reads 0
        {"e", u"戊", nullptr, "", "f0"},           // empty formula fails
    };
    const ToolDef tool = {9, u"t", nullptr, u"c", u"b", nullptr, 1, kX, 5, outputs, 0, nullptr, 0};
    const double x = 3;
    Outcome o = run(&tool, &x);
    EXPECT_EQ(o.report,
              u"甲：0.00\r\n乙：--\r\n丙：1.00 单位\r\n丁：1\r\n戊：0\r\n"
              u"（部分结果无法计算，请检查输入是否合理）\r\n");
    EXPECT_EQ(o.verdict, kDefaultVerdict);
    EXPECT_EQ(o.level, 0);
}

TEST(FormulaTool, RuleSelection) {
    struct Case {
        VerdictRule rules[2];
        int count;
        const char16_t* verdict;
        int level;
    } cases[] = {
        {{{"x>1 && 1/0", 3, u"never"}, {"0", 2, u"false"}}, 2, kDefaultVerdict, 0},
        {{{"", 2, u""}, {"", 1, u"later"}}, 2, kDefaultVerdict, 2},  // empty text: default, its level
        {{{"x", 3, u"NaN never matches"}, {"", 1, u"fallback"}}, 2, u"fallback", 1},
        {{{"", 0, u""}, {"", 0, u""}}, 0, kDefaultVerdict, 0},         // no rules
    };
    for (const Case& c : cases) {
        const ToolDef tool = {9, u"t", nullptr, u"c", u"b", nullptr, 1, kX, 0, nullptr, c.count, c.rules, 0};
        const double x = std::numeric_limits<double>::quiet_NaN();
        Outcome o = run(&tool, &x);
        EXPECT_EQ(o.report, u"");
        EXPECT_EQ(o.verdict, c.verdict);
        EXPECT_EQ(o.level, c.level);
    }
}

TEST(FormulaTool, BuffersAreCutNeverOverrun) {
    const double c = 38;
    char16_t report[40], verdict[8], copy[12];
    for (char16_t* b : {report, verdict, copy})
        for (int i = 0; i < 8; ++i) b[i] = u'#';
    int level = -1;
    compute_tool_result(get_builtin_tool(), &c, report, 10, verdict, 5, &level, copy, 7);
    EXPECT_EQ(std::u16string(report), u"华氏温度：100.");
    EXPECT_EQ(std::u16string(verdict), u"体温升高");
    EXPECT_EQ(std::u16string(copy), u"华氏温度：1");
    EXPECT_EQ(level, 1);
    EXPECT_EQ(verdict[5], u'#');
    // The default verdict is cut too, rather than written past a small buffer.
    const ToolDef bare = {1, u"t", nullptr, u"c", u"b", nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0};
    compute_tool_result(&bare, &c, report, 10, verdict, 5, &level, copy, 7);
    EXPECT_EQ(std::u16string(verdict), u"请核对输");
    EXPECT_EQ(verdict[5], u'#');
}

TEST(FormulaTool, ReportKindGoesToTheGenerator) {
    const ToolOutput outputs[] = {{"a", u"甲", nullptr, "1/0", "f2"}};
    const VerdictRule rules[] = {{"", 3, u"unused"}};
    const ToolDef tool = {1, u"t", nullptr, u"c", u"b", nullptr, 0, nullptr, 1, outputs, 1, rules, 99};
    Outcome o = run(&tool, nullptr);
    EXPECT_EQ(o.report, u"（该工具暂无自定义报告）");
    EXPECT_EQ(o.verdict, u"暂无报告内容");
    EXPECT_EQ(o.level, 0);
    EXPECT_EQ(o.copy, o.report);
}

std::u16string fmt(const char* code, double v, int capacity = 128) {
    char16_t text[128];
    format_value(code, v, text, capacity);
    return text;
}

TEST(FormatValue, Codes) {
    struct Case {
        const char* code;
        double value;
        const char16_t* text;
    } cases[] = {
        {"f0", 1234.5678, u"1235"},     {"f1", 1234.5678, u"1234.6"},  {"f2", 1234.5678, u"1234.57"},
        {"f3", 1234.5678, u"1234.568"}, {"int", 1234.5678, u"1235"},   {"pct", 1234.5678, u"1234.6%"},
        {"date", 1234.5678, u"1973-05-19"}, {"xyz", 2.25, u"2.25"},   {nullptr, 2.0, u"2.00"},
        {"F1", 2.0, u"2.00"},           {"pct", 0.5, u"0.5%"},         {"date", 19723, u"2024-01-01"},
        {"date", 19723.9, u"2024-01-01"}, {"date", -1.5, u"1969-12-31"}, {"date", -0.5, u"1970-01-01"},
        {"f0", 0.5, u"0"},              {"f0", 1.5, u"2"},             {"f1", -0.04, u"-0.0"},
        // Too wide for fixed point: exponent form rather than cut digits.
        {"f2", 1e80, u"1e+80"},         {"pct", -1.5e200, u"-1.5e+200%"},
        // Outside the 64-bit range or the calendar's arithmetic.
        {"date", 1e19, u"--"},          {"date", -1e19, u"--"},
        {"date", -9223372036854775808.0, u"--"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fmt(c.code, c.value), c.text) << (c.code ? c.code : "null") << " " << c.value;
}

TEST(FormatValue, NonFiniteIsDashesForEveryCode) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const char* code : {"f0", "f1", "f2", "f3", "int", "pct", "date", "x", (const char*)nullptr})
        for (double v : {inf, -inf, std::numeric_limits<double>::quiet_NaN()})
            EXPECT_EQ(fmt(code, v), u"--");
    EXPECT_EQ(fmt("f2", inf, 2), u"-");
}

TEST(FormatValue, WideValuesShowWholeOrInExponentForm) {
    // The fixed-point text when it fits in 79 characters, else the exponent form.
    const double max = std::numeric_limits<double>::max();
    struct Code {
        const char* code;
        const char* fixed;
    } codes[] = {{"f0", "%.0f"}, {"f1", "%.1f"}, {"f2", "%.2f"}, {"f3", "%.3f"}, {"int", "%.0f"}, {"pct", "%.1f%%"}};
    for (const Code& c : codes) {
        for (double v : {max, -max, 1e79, 1e78, -1e77, 1e75, 1e74, -1e73, 1e72}) {
            std::u16string t = fmt(c.code, v);
            char fixed[512];
            const int n = std::snprintf(fixed, sizeof fixed, c.fixed, v);
            if (n <= 79)
                EXPECT_EQ(t, std::u16string(fixed, fixed + n)) << c.code << " " << v;
            else
                EXPECT_NE(t.find(u'e'), std::u16string::npos) << c.code << " " << v;
            EXPECT_LE(t.size(), 79u);
        }
    }
}

}  // namespace
