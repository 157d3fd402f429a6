// Visit dates at a fixed gap, counted in days from today.
#include "engine/calendar.h"
#include "platform/platform.h"
#include "reports/report_lines.h"

using report_detail::add_line;
using report_detail::clamp_int;
using report_detail::input_int;
using report_detail::set_verdict;

namespace {

constexpr int kMaxVisits = 20;
constexpr int kDefaultGap = 7;
constexpr int kDateCapacity = 32;

}  // namespace

int report_follow_up_plan_for_day(int64_t today, const ToolDef* tool, const double* input_values,
                                  char16_t* report, int report_capacity, char16_t* verdict,
                                  int verdict_capacity) {
    const int start = input_int(tool, input_values, "start");  // may be negative: past dates
    int gap = input_int(tool, input_values, "gap");
    if (gap < 1) gap = kDefaultGap;
    const int visits = clamp_int(input_int(tool, input_values, "times"), 1, kMaxVisits);
    append_line(report, report_capacity, u"随访节点（以今天为基准，起始第 %d 天，间隔 %d 天，共 %d 次）：", start, gap, visits);
    for (int k = 1; k <= visits; ++k) {
        // 64-bit: 19 gaps of up to 2^31 days pass the 32-bit range.
        const int64_t day = today + start + int64_t{k - 1} * gap;
        char16_t date[kDateCapacity];
        format_day_number(day, date, kDateCapacity);
        append_line(report, report_capacity, u"第 %d 次：%ls", k, date);
    }
    add_line(report, report_capacity, u"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。");
    set_verdict(verdict, verdict_capacity, u"随访计划已生成，可按日期短信提醒患者");
    return kLevelNormal;
}

int report_follow_up_plan(const ToolDef* tool, const double* input_values, char16_t* report,
                          int report_capacity, char16_t* verdict, int verdict_capacity) {
    const LocalTime now = platform_local_time();
    return report_follow_up_plan_for_day(days_from_civil(now.year, now.month, now.day), tool,
                                         input_values, report, report_capacity, verdict,
                                         verdict_capacity);
}
