// Doses at equal intervals from a first dose; times are hours counted from
// midnight at the start of day 1.
#include <cmath>
#include <limits>

#include "reports/report_lines.h"

using report_detail::add_line;
using report_detail::clamp_int;
using report_detail::input_int;
using report_detail::set_verdict;

namespace {

constexpr int kMaxDoses = 30;
constexpr int kEntryCapacity = 64;
constexpr double kDefaultInterval = 8;

// One entry "day hh:mm" for the dose at hour t (t >= 0 or NaN).
void format_entry(double t, char16_t* entry, int capacity) {
    const double hour_of_day = std::fmod(t, 24);  // [0, 24) for finite t
    // report_int keeps both conversions defined; NaN (infinite t) shows as
    // its out-of-range value.
    const int hour = report_int(hour_of_day);                   // [0, 23]
    const int minute = report_int((hour_of_day - hour) * 60);  // [0, 59], truncated
    // The day stays a double: a huge start or interval puts it past every
    // integer type, and %.0f shows exactly the day the arithmetic gives (the
    // same digits as an integer wherever one would fit).
    double day = std::floor(t / 24) + 1;
    if (std::isnan(day)) day = std::numeric_limits<double>::quiet_NaN();  // one sign for "nan"
    format_text(entry, capacity, u"第%.0f天 %02d:%02d", day, hour, minute);
}

}  // namespace

int report_dosing_times(const ToolDef* tool, const double* input_values, char16_t* report,
                        int report_capacity, char16_t* verdict, int verdict_capacity) {
    double start = find_input_value(tool, input_values, "start");
    if (start < 0) start = 0;
    double interval = find_input_value(tool, input_values, "interval");
    if (interval <= 0) interval = kDefaultInterval;
    const int doses = clamp_int(input_int(tool, input_values, "times"), 1, kMaxDoses);
    append_line(report, report_capacity, u"首剂时间 %.0f:00，间隔 %.0f 小时，共 %d 次：", start, interval, doses);
    // All entries on one line, appended directly.
    for (int k = 0; k < doses; ++k) {
        if (k > 0) text_append(report, report_capacity, u"  |  ");
        char16_t entry[kEntryCapacity];
        format_entry(start + interval * k, entry, kEntryCapacity);
        text_append(report, report_capacity, entry);
    }
    text_append(report, report_capacity, u"\r\n");
    add_line(report, report_capacity, u"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。");
    set_verdict(verdict, verdict_capacity, u"给药时间表已生成，注意首剂与夜间给药时间");
    return kLevelNormal;
}
