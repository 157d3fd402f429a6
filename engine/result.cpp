#include "engine/result.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/calendar.h"
#include "engine/formula.h"
#include "reports/reports.h"

namespace {

constexpr int kValueCapacity = 128;
constexpr int kReportLineCapacity = 256;
constexpr char16_t kPartialFailureLine[] = u"（部分结果无法计算，请检查输入是否合理）\r\n";

bool code_is(const char* format, const char* code) { return std::strcmp(format, code) == 0; }

bool has_text(const char16_t* text) { return text && *text; }

// Truncates toward zero; false when the value has no 64-bit integer.
bool to_day_number(double value, int64_t* day) {
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return false;
    *day = static_cast<int64_t>(value);
    return true;
}

}  // namespace

void format_value(const char* format, double value, char16_t* text, int capacity) {
    if (!std::isfinite(value)) {
        text_copy(text, capacity, u"--");
        return;
    }
    if (!format) format = "f2";
    if (code_is(format, "date")) {
        int64_t day = 0;
        if (to_day_number(value, &day))
            format_day_number(day, text, capacity);
        else
            text_copy(text, capacity, u"--");
        return;
    }
    const char* fixed = "%.2f";
    const char* wide = "%.6g";  // when the fixed-point form does not fit
    if (code_is(format, "f0") || code_is(format, "int")) {
        fixed = "%.0f";
    } else if (code_is(format, "f1")) {
        fixed = "%.1f";
    } else if (code_is(format, "f3")) {
        fixed = "%.3f";
    } else if (code_is(format, "pct")) {
        fixed = "%.1f%%";
        wide = "%.6g%%";
    }
    char narrow[80];
    // A cut fixed-point number would show a wrong value: use exponent form.
    if (std::snprintf(narrow, sizeof narrow, fixed, value) >= static_cast<int>(sizeof narrow))
        std::snprintf(narrow, sizeof narrow, wide, value);
    text_copy_ascii(text, capacity, narrow);
}

int compute_tool_result(const ToolDef* tool, const double* input_values, char16_t* report,
                        int report_capacity, char16_t* verdict, int verdict_capacity,
                        int* level_out, char16_t* report_copy, int report_copy_capacity) {
    text_copy(report_copy, report_copy_capacity, u"");
    text_copy(verdict, verdict_capacity, u"");
    text_copy(report, report_capacity, u"");
    *level_out = 0;

    if (tool->report_kind != 0) {
        *level_out = run_report_kind(tool->report_kind, tool, input_values, report, report_capacity,
                                     verdict, verdict_capacity);
        text_copy(report_copy, report_copy_capacity, report);
        return *level_out;
    }

    double output_values[kMaxOutputs] = {};
    bool any_failed = false;
    for (int j = 0; j < tool->output_count; ++j) {
        int error = 0;
        output_values[j] =
            eval_formula(tool, tool->outputs[j].formula, input_values, output_values, &error);
        if (error) any_failed = true;
    }

    for (int j = 0; j < tool->output_count; ++j) {
        const ToolOutput& out = tool->outputs[j];
        char16_t value_text[kValueCapacity];
        format_value(out.format, output_values[j], value_text, kValueCapacity);
        char16_t line[kReportLineCapacity];
        if (has_text(out.unit))
            format_text(line, kReportLineCapacity, u"%ls：%ls %ls\r\n", out.label, value_text,
                        out.unit);
        else
            format_text(line, kReportLineCapacity, u"%ls：%ls\r\n", out.label, value_text);
        text_append(report, report_capacity, line);
    }
    if (any_failed) text_append(report, report_capacity, kPartialFailureLine);

    for (int r = 0; r < tool->rule_count; ++r) {
        const VerdictRule& rule = tool->rules[r];
        bool matches = rule.condition[0] == 0;
        if (!matches) {
            int error = 0;
            double value = eval_formula(tool, rule.condition, input_values, output_values, &error);
            matches = !error && value != 0;
        }
        if (matches) {
            text_copy(verdict, verdict_capacity, rule.text);
            *level_out = rule.level;
            break;
        }
    }
    // Cut to the capacity like every other write, even below 13 units.
    if (verdict_capacity > 0 && verdict[0] == 0) text_copy(verdict, verdict_capacity, kDefaultVerdict);

    text_copy(report_copy, report_copy_capacity, report);
    return *level_out;
}
