#include "app/selftest.h"

#include <cstdio>

#include "engine/formula.h"
#include "engine/result.h"
#include "engine/text.h"
#include "platform/platform.h"

namespace {

// The engine's buffers for one calculation.
constexpr int kEngineReportCapacity = 8192;
constexpr int kVerdictCapacity = 512;
constexpr int kValueCapacity = 128;
constexpr int kDetailLimit = 8000;

// Every UTF-16 unit becomes at most three bytes (a surrogate pair, two units,
// becomes four), so any text that fits the report buffer converts.
constexpr int kUtf8Capacity = 3 * kSelftestReportCapacity;

const char16_t* or_empty(const char16_t* text) { return text ? text : u""; }

// "OUT" lines of a formula tool; each output is evaluated on its own against
// zero output values. Returns the number of failed outputs.
int append_output_lines(const ToolDef* tool, const double* inputs, char16_t* text, int capacity) {
    int errors = 0;
    for (int i = 0; i < tool->output_count; ++i) {
        const ToolOutput& output = tool->outputs[i];
        const double outputs[kMaxOutputs] = {};
        int error = 0;
        const double value = eval_formula(tool, output.formula, inputs, outputs, &error);
        if (error) ++errors;
        char16_t shown[kValueCapacity];
        format_value(output.format, value, shown, capacity_of(shown));
        char16_t line[512];
        format_text(line, capacity_of(line), u"OUT|%ls|%ls|%ls\r\n", or_empty(output.label),
                    static_cast<const char16_t*>(shown), or_empty(output.unit));
        text_append(text, capacity, line);
    }
    return errors;
}

// The report on one line: CRs dropped, LFs as spaces, at most 8000 units.
void append_flattened(const char16_t* report, char16_t* text, int capacity) {
    int taken = 0;
    for (const char16_t* p = report; *p && taken < kDetailLimit; ++p) {
        if (*p == u'\r') continue;
        text_append_char(text, capacity, *p == u'\n' ? u' ' : *p);
        ++taken;
    }
}

}  // namespace

int build_selftest_report(const ToolDef* tool, char16_t* text, int capacity) {
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool->input_count && i < kMaxInputs; ++i)
        inputs[i] = tool->inputs[i].default_value;

    char16_t report[kEngineReportCapacity];
    char16_t verdict[kVerdictCapacity];
    char16_t report_copy[kEngineReportCapacity];
    int level = 0;
    compute_tool_result(tool, inputs, report, capacity_of(report), verdict, capacity_of(verdict),
                        &level, report_copy, capacity_of(report_copy));

    format_text(text, capacity, u"TOOL|%d|%ls|%ls\r\n", static_cast<int>(tool->id),
                or_empty(tool->name), or_empty(tool->category));
    char16_t level_line[256];
    format_text(level_line, capacity_of(level_line), u"LEVEL|%d\r\n", level);
    text_append(text, capacity, level_line);

    int errors = 0;
    if (tool->report_kind != 0)
        text_append(text, capacity, u"OUT|报告文本|见 DETAIL|\r\n");
    else
        errors = append_output_lines(tool, inputs, text, capacity);

    text_append(text, capacity, u"VERDICT|");
    text_append(text, capacity, verdict);
    text_append(text, capacity, u"\r\n");
    text_append(text, capacity, u"DETAIL|");
    append_flattened(report, text, capacity);
    text_append(text, capacity, u"\r\n");
    char16_t errors_line[128];
    format_text(errors_line, capacity_of(errors_line), u"ERRORS|%d\r\n", errors);
    text_append(text, capacity, errors_line);

    return errors > 0 ? kSelftestFormulaFailed : kSelftestOk;
}

bool write_utf8_file(const char16_t* path, const char16_t* text) {
    // Converted before the file is opened, so a text that does not convert
    // leaves no empty file behind.
    char bytes[kUtf8Capacity];
    const int converted = utf16_to_utf8(text, bytes, capacity_of(bytes));
    if (converted == 0) return false;
    std::FILE* file = platform_open_file(path, "wb");
    if (!file) return false;
    const std::size_t size = static_cast<std::size_t>(converted - 1);  // no terminator
    const bool written = std::fwrite(bytes, 1, size, file) == size;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

int write_selftest_report(const char16_t* path) {
    char16_t text[kSelftestReportCapacity];
    const int code = build_selftest_report(get_builtin_tool(), text, capacity_of(text));
    return write_utf8_file(path, text) ? code : kSelftestNotWritten;
}
