#include "engine/result.h"
#include "reports/reports.h"

int run_report_kind(int kind, const ToolDef* tool, const double* input_values, char16_t* report,
                    int report_capacity, char16_t* verdict, int verdict_capacity) {
    (void)kind;
    (void)tool;
    (void)input_values;
    text_copy(report, report_capacity, u"");
    text_copy(verdict, verdict_capacity, u"");
    text_copy(report, report_capacity, u"（该工具暂无自定义报告）");
    text_copy(verdict, verdict_capacity, u"暂无报告内容");
    return 0;
}
