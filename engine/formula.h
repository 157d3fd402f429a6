// The formula language of output formulas and rule conditions: doubles,
// arithmetic, comparisons and logic yielding 1 or 0, and a few functions.
#pragma once

#include "engine/tool.h"

// Evaluates `formula` against the tool's input values and the given output
// values. Always writes *error_out: 0 on success, 1 on failure; on failure
// the value that the evaluation produced is still returned.
double eval_formula(const ToolDef* tool, const char* formula, const double* input_values,
                    const double* output_values, int* error_out);

// Deepest nesting of parentheses, prefix operators, "^" and "?:" that a
// formula may use; a deeper one fails with the value 0.
constexpr int kMaxFormulaDepth = 256;

// Reads a number as strtod would at `text` (which starts with a digit or
// "."), giving the very same double; returns the characters read, 0 for none.
int read_number(const char* text, double* value);
