#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/selftest.h"
#include "tests/app/builtin_report.h"
#include "engine/result.h"
#include "engine/text.h"
#include "platform/platform.h"

namespace {

std::string to_utf8(const char16_t* text) {
    static char bytes[3 * kSelftestReportCapacity];
    const int n = utf16_to_utf8(text, bytes, capacity_of(bytes));
    return n > 0 ? std::string(bytes, static_cast<std::size_t>(n - 1)) : std::string("<no fit>");
}

// Lines of a report without their CR LF; the text must end in CR LF.
std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

std::u16string path_of(const char* ascii) { return std::u16string(ascii, ascii + std::strlen(ascii)); }

std::string read_file(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return "<missing>";
    std::string bytes;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, n);
    std::fclose(file);
    return bytes;
}

bool exists(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file) std::fclose(file);
    return file != nullptr;
}

char16_t g_text[kSelftestReportCapacity];

TEST(SelftestReport, BuiltinToolGivesTheSevenLines) {
    EXPECT_EQ(build_selftest_report(get_builtin_tool(), g_text, capacity_of(g_text)), kSelftestOk);
    EXPECT_EQ(to_utf8(g_text), kBuiltinReport);
}

TEST(SelftestReport, ReportKindToolGivesTheFixedOutLine) {
    ToolDef tool = *get_builtin_tool();
    tool.report_kind = 1;
    EXPECT_EQ(build_selftest_report(&tool, g_text, capacity_of(g_text)), kSelftestOk);
    const std::vector<std::string> lines = lines_of(to_utf8(g_text));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "TOOL|207|体温单位换算|基础计算");
    EXPECT_EQ(lines[2] + "\r\n", "OUT|报告文本|见 DETAIL|\r\n");
    EXPECT_EQ(lines[5], "ERRORS|0");

    // DETAIL is the generator's report on one line: no CR, each LF a space.
    static char16_t report[8192], verdict[512], copy[8192];
    const double inputs[kMaxInputs] = {37.0};
    int level = -1;
    compute_tool_result(&tool, inputs, report, 8192, verdict, 512, &level, copy, 8192);
    std::string detail = to_utf8(report);
    ASSERT_NE(detail.find('\n'), std::string::npos) << "want a report of several lines";
    std::string flat;
    for (char c : detail)
        if (c != '\r') flat += c == '\n' ? ' ' : c;
    EXPECT_EQ(lines[1], "LEVEL|" + std::to_string(level));
    EXPECT_EQ(lines[3], "VERDICT|" + to_utf8(verdict));
    EXPECT_EQ(lines[4], "DETAIL|" + flat.substr(0, 8000));
}

TEST(SelftestReport, FailedFormulasAreCountedAndShownAsEvaluated) {
    const ToolDef& builtin = *get_builtin_tool();
    struct Case {
        const char* first_formula;
        const char* second_formula;
        int errors;
        const char* first_value;
        const char* second_value;
    };
    const Case cases[] = {
        {"", "c+273.15", 1, "0.0", "310.15"},
        {nullptr, "c+273.15", 1, "0.0", "310.15"},
        {"", "", 2, "0.0", "0.00"},
        {"c*9/5+32", "c/0", 1, "98.6", "0.00"},
        // Each output is evaluated on its own: another output reads as 0.
        {"c*9/5+32", "f+1", 0, "98.6", "1.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.second_formula);
        ToolOutput outputs[2] = {builtin.outputs[0], builtin.outputs[1]};
        outputs[0].formula = c.first_formula;
        outputs[1].formula = c.second_formula;
        ToolDef tool = builtin;
        tool.outputs = outputs;
        const int code = build_selftest_report(&tool, g_text, capacity_of(g_text));
        EXPECT_EQ(code, c.errors ? kSelftestFormulaFailed : kSelftestOk);
        const std::vector<std::string> lines = lines_of(to_utf8(g_text));
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_NE(lines[2].find(std::string("|") + c.first_value + "|"), std::string::npos) << lines[2];
        EXPECT_NE(lines[3].find(std::string("|") + c.second_value + "|"), std::string::npos) << lines[3];
        EXPECT_EQ(lines[6], "ERRORS|" + std::to_string(c.errors));
    }
}

TEST(SelftestReport, NeverWritesPastASmallBuffer) {
    char16_t small[41];
    small[40] = u'#';
    build_selftest_report(get_builtin_tool(), small, 40);
    EXPECT_EQ(text_length(small), 39);
    EXPECT_EQ(small[40], u'#');
}

TEST(Utf8File, WritesTheTextWholeWithoutByteOrderMark) {
    build_selftest_report(get_builtin_tool(), g_text, capacity_of(g_text));
    const std::u16string path = path_of("utf8_file_whole.txt");
    ASSERT_TRUE(write_utf8_file(path.c_str(), g_text));
    EXPECT_EQ(read_file("utf8_file_whole.txt"), kBuiltinReport);
    std::remove("utf8_file_whole.txt");
}

TEST(Utf8File, ReportsAFileNotWritten) {
    build_selftest_report(get_builtin_tool(), g_text, capacity_of(g_text));
    // Cannot be opened: its folder is missing.
    EXPECT_FALSE(write_utf8_file(path_of("no-such-folder/x.txt").c_str(), g_text));

    // Too long to convert: no file is created at all.
    static char16_t long_text[20001];
    for (int i = 0; i < 20000; ++i) long_text[i] = 0x4E2D;
    std::remove("utf8_file_long.txt");
    EXPECT_FALSE(write_utf8_file(path_of("utf8_file_long.txt").c_str(), long_text));
    EXPECT_FALSE(exists("utf8_file_long.txt"));

    // Any report that fits its buffer converts, even one of three-byte units.
    for (int i = 0; i < kSelftestReportCapacity - 1; ++i) long_text[i] = 0x4E2D;
    long_text[kSelftestReportCapacity - 1] = 0;
    EXPECT_TRUE(write_utf8_file(path_of("utf8_file_long.txt").c_str(), long_text));
    EXPECT_EQ(read_file("utf8_file_long.txt").size(), 3u * (kSelftestReportCapacity - 1));
    std::remove("utf8_file_long.txt");

#ifndef _WIN32
    // Opens, but the data never reaches the disk: the close fails.
    EXPECT_FALSE(write_utf8_file(path_of("/dev/full").c_str(), g_text));
#endif
}

TEST(SelftestFile, ExitCodeSaysWhetherTheReportWasWritten) {
    std::remove("selftest_file.txt");
    EXPECT_EQ(write_selftest_report(path_of("selftest_file.txt").c_str()), kSelftestOk);
    EXPECT_EQ(read_file("selftest_file.txt"), kBuiltinReport);
    std::remove("selftest_file.txt");
    EXPECT_EQ(write_selftest_report(path_of("no-such-folder/selftest.txt").c_str()),
              kSelftestNotWritten);
#ifndef _WIN32
    EXPECT_EQ(write_selftest_report(path_of("/dev/full").c_str()), kSelftestNotWritten);
#endif
}

}  // namespace
