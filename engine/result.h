// The engine's entry for a calculation, and the text helpers that the report
// generators build on.
#pragma once

#include "engine/text.h"
#include "engine/tool.h"

// Fills the report, the verdict, *level_out and the report copy (each cut to
// its capacity) and returns the level. Formula tools evaluate their outputs
// and rules; report-kind tools get their whole result from the generator.
int compute_tool_result(const ToolDef* tool, const double* input_values, char16_t* report,
                        int report_capacity, char16_t* verdict, int verdict_capacity,
                        int* level_out, char16_t* report_copy, int report_copy_capacity);

// A double as display text by format code ("f0", "f1", "f2", "f3", "int",
// "pct", "date"; anything else or null is "f2"). Non-finite values show "--".
void format_value(const char* format, double value, char16_t* text, int capacity);

// The default verdict when no rule gives one.
inline constexpr char16_t kDefaultVerdict[] = u"请核对输入参数后重新计算";

// Size of the line buffer of append_line: longer lines are cut at 511 units.
constexpr int kLineCapacity = 512;

// Appends one formatted line and CR LF, each as far as the capacity allows.
template <typename... Args>
void append_line(char16_t* buffer, int capacity, std::type_identity_t<FormatFor<Args...>> format,
                 const Args&... args) {
    char16_t line[kLineCapacity];
    format_text<Args...>(line, kLineCapacity, format, args...);
    text_append(buffer, capacity, line);
    text_append(buffer, capacity, u"\r\n");
}
