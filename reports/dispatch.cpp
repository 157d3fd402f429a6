#include <cstdint>
#include <cstring>

#include "reports/report_lines.h"

double find_input_value(const ToolDef* tool, const double* input_values, const char* key) {
    for (int i = 0; i < tool->input_count; ++i) {
        const char* input_key = tool->inputs[i].key;
        if (input_key && std::strcmp(input_key, key) == 0) return input_values[i];
    }
    return 0;
}

int report_int(double value) {
    // The comparisons are false for NaN, so it lands here too.
    if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
    return static_cast<int>(value);
}

int run_report_kind(int kind, const ToolDef* tool, const double* input_values, char16_t* report,
                    int report_capacity, char16_t* verdict, int verdict_capacity) {
    text_copy(report, report_capacity, u"");
    text_copy(verdict, verdict_capacity, u"");
    using Generator = int (*)(const ToolDef*, const double*, char16_t*, int, char16_t*, int);
    static constexpr Generator generators[] = {
        nullptr,
        report_shift_roster,
        report_dosing_times,
        report_collection_order,
        report_critical_values,
        report_high_alert_drugs,
        report_drug_compatibility,
        report_follow_up_plan,
        report_safety_checklist,
        report_handover,
        report_infusion_card,
        report_lab_panels,
    };
    if (kind >= 1 && kind < capacity_of(generators))
        return generators[kind](tool, input_values, report, report_capacity, verdict,
                                verdict_capacity);
    // The whole fallback text, without a line break.
    text_copy(report, report_capacity, u"（该工具暂无自定义报告）");
    report_detail::set_verdict(verdict, verdict_capacity, u"暂无报告内容");
    return kLevelNormal;
}
