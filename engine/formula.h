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

// State of one evaluation; the levels below are exposed for the tests.
struct ExprState {
    const ToolDef* tool;
    const double* input_values;
    const double* output_values;
    const char* cursor;
    int error;
    int depth;      // current nesting
    int too_deep;   // the nesting limit was hit
};

double eval_conditional(ExprState& s);
double eval_and(ExprState& s);
double eval_comparison(ExprState& s);
double eval_additive(ExprState& s);
double eval_multiplicative(ExprState& s);
double eval_power(ExprState& s);
double eval_unary(ExprState& s);
double apply_function(ExprState& s, const char* name, double x);

// Reads a number as strtod would at `text` (which starts with a digit or
// "."), giving the very same double; returns the characters read, 0 for none.
int read_number(const char* text, double* value);
