// A bedside card for one infusion.
#include "reports/report_lines.h"

using report_detail::add_line;
using report_detail::input_int;
using report_detail::set_verdict;

namespace {

constexpr double kDropsPerMillilitre = 20;
constexpr double kMinutesPerHour = 60;

}  // namespace

int report_infusion_card(const ToolDef* tool, const double* input_values, char16_t* report,
                         int report_capacity, char16_t* verdict, int verdict_capacity) {
    const int bed = input_int(tool, input_values, "bed");
    const double dose = find_input_value(tool, input_values, "dose");
    const double volume = find_input_value(tool, input_values, "volume");
    const double drops_per_minute = find_input_value(tool, input_values, "gtt");
    const double millilitres_per_hour = drops_per_minute * (kMinutesPerHour / kDropsPerMillilitre);
    add_line(report, report_capacity, u"静脉输液卡");
    append_line(report, report_capacity, u"床号：%d", bed);
    append_line(report, report_capacity, u"药液：医嘱药量 %.2f ，加入溶媒 %.0f ml", dose, volume);
    append_line(report, report_capacity, u"滴速：%.0f 滴/分（约 %.0f ml/h）", drops_per_minute, millilitres_per_hour);
    add_line(report, report_capacity, u"核对：药名/剂量/浓度/有效期/配伍；双人签名。");
    add_line(report, report_capacity, u"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。");
    set_verdict(verdict, verdict_capacity, u"输液卡已生成，双人核对后执行");
    return kLevelNormal;
}
