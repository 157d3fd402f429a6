#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/result.h"
#include "engine/text.h"
#include "ui/command_text.h"
#include "ui/maker.h"

namespace {

TEST(EditTextValue, FollowsTheCLocaleConversion) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::u16string text;
        double value;
    } cases[] = {
        {u"", 0},
        {u"37", 37},
        {u"37abc", 37},
        {u"37,5", 37},
        {u" 37", 37},
        {u"\t\r\n 37.5", 37.5},
        {u"    ", 0},
        {u"abc", 0},
        {u".5", 0.5},
        {u"-2.5e1", -25},
        {u"+1", 1},
        {u"0x10", 16},
        {u"0x1p-2", 0.25},
        {u"1e999", inf},
        {u"-1e999", -inf},
        {u"inf", inf},
        {u"-INFINITY", -inf},
        {u"37\u2103", 37},        // a unit sign after the number
        {u"\u3000" u"37", 0},     // only ASCII white space is skipped
        {u"\uFF13\uFF17", 0},     // full-width digits are no number
        {u"1e", 1},
        {u"e5", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(edit_text_value(c.text.c_str()), c.value);
    }
    EXPECT_TRUE(std::isnan(edit_text_value(u"nan")));
    EXPECT_TRUE(std::isnan(edit_text_value(u" NaN(123)")));
    EXPECT_TRUE(std::signbit(edit_text_value(u"-0")));
}

TEST(EditTextValue, ReadsOnlyTheFirst127Units) {
    // 126 spaces and a digit: the digit is read; one space more and it is not.
    std::u16string at_limit(126, u' ');
    at_limit += u"7";
    EXPECT_EQ(edit_text_value(at_limit.c_str()), 7);
    std::u16string past_limit(127, u' ');
    past_limit += u"7";
    EXPECT_EQ(edit_text_value(past_limit.c_str()), 0);
    // A long number is cut at 127 digits: "1" and 126 zeros.
    std::u16string digits = u"1" + std::u16string(127, u'0');
    EXPECT_EQ(edit_text_value(digits.c_str()), 1e126);
}

TEST(ParseInputTexts, StoresNothingUnlessEveryValueIsFinite) {
    char16_t texts[3][kEditTextCapacity] = {u"1", u"2", u"3"};
    double values[3] = {7, 8, 9};
    EXPECT_EQ(parse_input_texts(3, texts, values), -1);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[2], 3);

    text_copy(texts[0], kEditTextCapacity, u"4");
    text_copy(texts[1], kEditTextCapacity, u"nan");
    text_copy(texts[2], kEditTextCapacity, u"inf");
    EXPECT_EQ(parse_input_texts(3, texts, values), 1);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(values[2], 3);
}

TEST(CommandTexts, InputErrorAndDefaultValue) {
    char16_t text[kInputErrorCapacity];
    build_input_error_text(0, get_builtin_tool()->inputs[0].label, text, kInputErrorCapacity);
    EXPECT_EQ(std::u16string(text), u"第 1 项“摄氏温度”请输入数字。");
    struct Case {
        double value;
        const char16_t* text;
    } cases[] = {{37, u"37"}, {36.55, u"36.55"}, {1234567, u"1.23457e+06"}, {-0.5, u"-0.5"}};
    for (const Case& c : cases) {
        build_default_value_text(c.value, text, kDefaultValueCapacity);
        EXPECT_EQ(std::u16string(text), c.text);
    }
}

TEST(CommandTexts, SummaryStatusAndClipboardOfTheDefaultCalculate) {
    const ToolDef* tool = get_builtin_tool();
    const double inputs[] = {37};
    char16_t report[kReportCapacity], verdict[kVerdictCapacity], copy[8192];
    int level = -1;
    compute_tool_result(tool, inputs, report, kReportCapacity, verdict, kVerdictCapacity, &level,
                        copy, 8192);
    char16_t summary[1024];
    build_summary(tool, report, verdict, summary, 1024);
    EXPECT_EQ(std::u16string(summary),
              u"华氏温度：98.6 ℉\r\n绝对温度：310.15 K\r\n—— 体温正常");

    char16_t status[256];
    build_calculated_status(tool, status, 256);
    EXPECT_EQ(std::u16string(status), u"计算完成  体温单位换算");

    const int bytes = clipboard_byte_size(tool, summary);
    EXPECT_EQ(bytes, (text_length(summary) + 6) * 2 + 32);
    char16_t clip[1200];
    build_clipboard_text(tool, summary, clip, bytes / 2);
    EXPECT_EQ(std::u16string(clip), std::u16string(u"体温单位换算\r\n") + summary);
}

TEST(CommandTexts, SummaryIsCutAndReportKindsHaveNoVerdictLine) {
    ToolDef tool = *get_builtin_tool();
    const std::u16string report(2000, u'x');
    char16_t summary[1024];
    build_summary(&tool, report.c_str(), u"v", summary, 1024);
    EXPECT_EQ(std::u16string(summary), report.substr(0, 1023));
    tool.report_kind = 3;
    build_summary(&tool, u"a\r\n", u"v", summary, 1024);
    EXPECT_EQ(std::u16string(summary), u"a\r\n");
}

TEST(CommandTexts, AboutHasNineLines) {
    char16_t text[kAboutTextCapacity];
    build_about_text(get_builtin_tool(), kMakerWebAddress, text, kAboutTextCapacity);
    const std::u16string expected =
        std::u16string(u"体温单位换算\r\n\r\n分类：基础计算\r\n参考依据：F=C×9/5+32\r\n\r\n"
                       u"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                       u"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n"
                       u"版本 V1.0    官网：") +
        kMakerWebAddress;
    EXPECT_EQ(std::u16string(text), expected);
}

}  // namespace
