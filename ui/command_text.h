// Portable logic of the command actions: what the Win32 glue shows, copies
// and stores, as plain functions.
#pragma once

#include "engine/tool.h"

// An edit is read into this many units, so only its first 127 count.
constexpr int kEditTextCapacity = 128;
// Buffers of the command texts, in UTF-16 units with the terminator.
constexpr int kAboutTextCapacity = 1400;
constexpr int kInputErrorCapacity = 256;
constexpr int kDefaultValueCapacity = 64;
constexpr int kReportCapacity = 4096;
constexpr int kVerdictCapacity = 512;

// The value of one edit's text: empty or spaces only is 0; otherwise leading
// white space is skipped, the number is read with "." as the separator, text
// after it is ignored, and text without a number is 0. Infinities and NaNs
// come back as they are; the caller rejects them.
double edit_text_value(const char16_t* text);

// Converts the texts of `count` edits. The values are stored only when every
// one is finite, so a rejected Calculate leaves the previous values in place.
// Returns the position of the first value that is not finite, or -1.
int parse_input_texts(int count, const char16_t (*texts)[kEditTextCapacity], double* values);

// The box text for the rejected input at `position` (counted from 0).
void build_input_error_text(int position, const char16_t* label, char16_t* text, int capacity);

// The edit text of an input's default value.
void build_default_value_text(double value, char16_t* text, int capacity);

// What Copy result puts under the tool name: a report-kind tool's report, or
// a formula tool's report followed by the verdict line.
void build_summary(const ToolDef* tool, const char16_t* report, const char16_t* verdict,
                   char16_t* summary, int capacity);

// The status line after a Calculate.
void build_calculated_status(const ToolDef* tool, char16_t* status, int capacity);

// Bytes of the clipboard memory for the tool name and the summary.
int clipboard_byte_size(const ToolDef* tool, const char16_t* summary);

// The clipboard text: the tool name, CR LF, the summary.
void build_clipboard_text(const ToolDef* tool, const char16_t* summary, char16_t* text,
                          int capacity);

// The nine lines of the About box, joined by CR LF.
void build_about_text(const ToolDef* tool, const char16_t* web_address, char16_t* text,
                      int capacity);
