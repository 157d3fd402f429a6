#include "ui/command_text.h"

#include <cmath>
#include <cstdlib>

#include "engine/result.h"
#include "engine/text.h"

namespace {

// White space as the "C" locale's conversion skips it.
bool is_c_space(char16_t unit) {
    return unit == u' ' || (unit >= u'\t' && unit <= u'\r');
}

}  // namespace

double edit_text_value(const char16_t* text) {
    int length = 0;
    while (length < kEditTextCapacity - 1 && text[length]) ++length;
    int start = 0;
    while (start < length && text[start] == u' ') ++start;
    if (start == length) return 0.0;
    while (start < length && is_c_space(text[start])) ++start;
    // A number is ASCII from end to end, so the ASCII prefix holds all of
    // it; strtod then reads it the same way on every build.
    char narrow[kEditTextCapacity];
    int n = 0;
    while (start + n < length && text[start + n] < 0x80) {
        narrow[n] = static_cast<char>(text[start + n]);
        ++n;
    }
    narrow[n] = 0;
    return std::strtod(narrow, nullptr);
}

int parse_input_texts(int count, const char16_t (*texts)[kEditTextCapacity], double* values) {
    double parsed[kMaxInputs];
    for (int i = 0; i < count && i < kMaxInputs; ++i) {
        parsed[i] = edit_text_value(texts[i]);
        if (!std::isfinite(parsed[i])) return i;
    }
    for (int i = 0; i < count && i < kMaxInputs; ++i) values[i] = parsed[i];
    return -1;
}

void build_input_error_text(int position, const char16_t* label, char16_t* text, int capacity) {
    format_text(text, capacity, u"第 %d 项“%ls”请输入数字。", position + 1, label);
}

void build_default_value_text(double value, char16_t* text, int capacity) {
    format_text(text, capacity, u"%.6g", value);
}

void build_summary(const ToolDef* tool, const char16_t* report, const char16_t* verdict,
                   char16_t* summary, int capacity) {
    if (tool->report_kind != 0)
        text_copy(summary, capacity, report);
    else
        format_text(summary, capacity, u"%ls—— %ls", report, verdict);
}

void build_calculated_status(const ToolDef* tool, char16_t* status, int capacity) {
    format_text(status, capacity, u"计算完成  %ls", tool->name);
}

int clipboard_byte_size(const ToolDef* tool, const char16_t* summary) {
    return (text_length(summary) + text_length(tool->name)) * 2 + 32;
}

void build_clipboard_text(const ToolDef* tool, const char16_t* summary, char16_t* text,
                          int capacity) {
    format_text(text, capacity, u"%ls\r\n%ls", tool->name, summary);
}

void build_about_text(const ToolDef* tool, const char16_t* web_address, char16_t* text,
                      int capacity) {
    char16_t category[kLineCapacity];
    char16_t basis[kLineCapacity];
    char16_t version[kLineCapacity];
    format_text(category, kLineCapacity, u"分类：%ls", tool->category);
    format_text(basis, kLineCapacity, u"参考依据：%ls", tool->basis);
    text_copy(version, kLineCapacity, u"版本 V1.0    官网：");
    text_append(version, kLineCapacity, web_address);
    const char16_t* const lines[] = {
        tool->name, u"", category, basis, u"",
        u"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，",
        u"具体用药与处置请结合患者实际情况及本院规范执行。",
        u"", version,
    };
    text_copy(text, capacity, u"");
    for (int i = 0; i < capacity_of(lines); ++i) {
        if (i > 0) text_append(text, capacity, u"\r\n");
        text_append(text, capacity, lines[i]);
    }
}
