// What every generator shares: reading its inputs and writing lines and the
// verdict into the caller's bounded buffers.
#pragma once

#include "engine/result.h"
#include "reports/reports.h"

namespace report_detail {

// A fixed line goes in as an argument: several hold a literal "%".
inline void add_line(char16_t* report, int capacity, const char16_t* line) {
    append_line(report, capacity, u"%ls", line);
}

// The verdict is one fixed text; cut to its buffer so a small one is safe.
inline void set_verdict(char16_t* verdict, int capacity, const char16_t* text) {
    text_copy(verdict, capacity, text);
}

// An input truncated to an integer.
inline int input_int(const ToolDef* tool, const double* input_values, const char* key) {
    return report_int(find_input_value(tool, input_values, key));
}

inline int clamp_int(int value, int lowest, int highest) {
    return value < lowest ? lowest : value > highest ? highest : value;
}

}  // namespace report_detail
