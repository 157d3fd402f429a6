// Three-shift rotation: the day shift passes to the next nurse each day, so
// every nurse works D, R, N in turn and the pattern repeats every 3 nurses.
#include "reports/report_lines.h"

using report_detail::add_line;
using report_detail::clamp_int;
using report_detail::input_int;
using report_detail::set_verdict;

namespace {

constexpr int kMaxNurses = 40;
constexpr int kMaxDays = 31;
constexpr int kNameCapacity = 12;
constexpr int kCellCapacity = 16;
constexpr char16_t kShiftLetters[] = {u'D', u'N', u'R'};

// Nurse and day both count from 1.
char16_t shift_letter(int nurse, int day) {
    return kShiftLetters[((nurse - 1) + 2 * (day - 1)) % 3];
}

}  // namespace

int report_shift_roster(const ToolDef* tool, const double* input_values, char16_t* report,
                        int report_capacity, char16_t* verdict, int verdict_capacity) {
    const int nurses = clamp_int(input_int(tool, input_values, "nurses"), 1, kMaxNurses);
    const int days = clamp_int(input_int(tool, input_values, "days"), 1, kMaxDays);
    add_line(report, report_capacity, u"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。");
    append_line(report, report_capacity, u"人员：%d 人；周期：%d 天", nurses, days);
    add_line(report, report_capacity, u"");
    for (int nurse = 1; nurse <= nurses; ++nurse) {
        char16_t name[kNameCapacity];
        format_text(name, kNameCapacity, u"护士%02d", nurse);
        append_line(report, report_capacity, u"%ls：", name);
        // The cells go straight into the report: a whole month is longer
        // than one line buffer.
        text_append(report, report_capacity, u"  ");
        for (int day = 1; day <= days; ++day) {
            char16_t cell[kCellCapacity];
            format_text(cell, kCellCapacity, u"%d日%c ", day, shift_letter(nurse, day));
            text_append(report, report_capacity, cell);
        }
        text_append(report, report_capacity, u"\r\n");
    }
    add_line(report, report_capacity, u"");
    add_line(report, report_capacity, u"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。");
    set_verdict(verdict, verdict_capacity, u"已生成轮转排班表，可复制到排班本或表格");
    return kLevelNormal;
}
