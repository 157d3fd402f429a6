// The built-in report generators: a tool whose report kind is 1 to 11 gets
// its whole result (report, verdict, level) from one of them.
#pragma once

#include <cstdint>

#include "engine/tool.h"

// Composes the report of `kind` (fallback text outside 1..11) and returns
// the verdict level. Report and verdict are cut to their capacities.
int run_report_kind(int kind, const ToolDef* tool, const double* input_values, char16_t* report,
                    int report_capacity, char16_t* verdict, int verdict_capacity);

// The value of the first input whose key equals `key` exactly; 0 when none.
double find_input_value(const ToolDef* tool, const double* input_values, const char* key);

// Truncation toward zero to 32 bits; values outside the range, NaN
// included, become INT32_MIN.
int report_int(double value);

// Each generator expects empty report and verdict texts (run_report_kind
// clears them) and returns the verdict level.
int report_shift_roster(const ToolDef* tool, const double* input_values, char16_t* report,
                        int report_capacity, char16_t* verdict, int verdict_capacity);
int report_dosing_times(const ToolDef* tool, const double* input_values, char16_t* report,
                        int report_capacity, char16_t* verdict, int verdict_capacity);
int report_critical_values(const ToolDef* tool, const double* input_values, char16_t* report,
                           int report_capacity, char16_t* verdict, int verdict_capacity);
int report_drug_compatibility(const ToolDef* tool, const double* input_values, char16_t* report,
                              int report_capacity, char16_t* verdict, int verdict_capacity);
int report_follow_up_plan(const ToolDef* tool, const double* input_values, char16_t* report,
                          int report_capacity, char16_t* verdict, int verdict_capacity);
int report_infusion_card(const ToolDef* tool, const double* input_values, char16_t* report,
                         int report_capacity, char16_t* verdict, int verdict_capacity);

// The follow-up plan counted from the day number `today` instead of the
// local clock's date; `today` is a calendar date's day number.
int report_follow_up_plan_for_day(int64_t today, const ToolDef* tool, const double* input_values,
                                  char16_t* report, int report_capacity, char16_t* verdict,
                                  int verdict_capacity);

// The reference-text kinds that the dispatcher composes itself.
int report_collection_order(const ToolDef* tool, const double* input_values, char16_t* report,
                            int report_capacity, char16_t* verdict, int verdict_capacity);
int report_high_alert_drugs(const ToolDef* tool, const double* input_values, char16_t* report,
                            int report_capacity, char16_t* verdict, int verdict_capacity);
int report_safety_checklist(const ToolDef* tool, const double* input_values, char16_t* report,
                            int report_capacity, char16_t* verdict, int verdict_capacity);
int report_handover(const ToolDef* tool, const double* input_values, char16_t* report,
                    int report_capacity, char16_t* verdict, int verdict_capacity);
int report_lab_panels(const ToolDef* tool, const double* input_values, char16_t* report,
                      int report_capacity, char16_t* verdict, int verdict_capacity);
