// A tool is one constant record: inputs with defaults, outputs with a formula
// and a display format each, and verdict rules in order of priority.
#pragma once

#include <cstdint>

// Display texts are zero-terminated UTF-16; code texts (keys, formulas,
// format codes, conditions) are zero-terminated ASCII. "May be absent" fields
// are null when absent.

struct ToolInput {
    const char* key;
    const char16_t* label;
    const char16_t* unit;  // may be absent or empty
    double default_value;
};

struct ToolOutput {
    const char* key;
    const char16_t* label;
    const char16_t* unit;   // may be absent or empty
    const char* formula;    // may be absent; absent or empty makes the output fail
    const char* format;     // may be absent, meaning "f2"
};

struct VerdictRule {
    const char* condition;  // never absent; empty matches unconditionally
    int32_t level;
    const char16_t* text;
};

struct ToolDef {
    int32_t id;
    const char16_t* name;
    const char16_t* subtitle;  // may be absent
    const char16_t* category;
    const char16_t* basis;
    const char16_t* note;      // may be absent
    int32_t input_count;
    const ToolInput* inputs;
    int32_t output_count;
    const ToolOutput* outputs;
    int32_t rule_count;
    const VerdictRule* rules;
    int32_t report_kind;       // 0: formula outputs and rules; 1..11: a built-in report
};

// The most inputs and outputs a tool has.
constexpr int kMaxInputs = 16;
constexpr int kMaxOutputs = 16;

// Verdict levels.
constexpr int kLevelNormal = 0;
constexpr int kLevelCaution = 1;
constexpr int kLevelWarning = 2;
constexpr int kLevelCritical = 3;

const ToolDef* get_builtin_tool();
