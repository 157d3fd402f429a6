#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/calendar.h"
#include "platform/platform.h"
#include "report_fixture.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---- kind 1: shift roster ----------------------------------------------

TEST(ShiftRoster, ThreeNursesThreeDays) {
    const InputSet in({{"nurses", 3}, {"days", 3}});
    ReportOut out = run_kind(1, in);
    EXPECT_EQ(out.report, lines({u"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。", u"人员：3 人；周期：3 天", u"",
                                 u"护士01：", u"  1日D 2日R 3日N ",
                                 u"护士02：", u"  1日N 2日D 3日R ",
                                 u"护士03：", u"  1日R 2日N 3日D ",
                                 u"", u"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。"}));
    EXPECT_EQ(out.verdict, u"已生成轮转排班表，可复制到排班本或表格");
    EXPECT_EQ(out.level, 0);
}

TEST(ShiftRoster, CountsAreClamped) {
    const InputSet lowest({{"nurses", 0}});  // "days" absent
    EXPECT_EQ(run_kind(1, lowest).report,
              lines({u"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。", u"人员：1 人；周期：1 天", u"", u"护士01：", u"  1日D ", u"",
                     u"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。"}));

    const InputSet highest({{"nurses", 41}, {"days", 32}});
    const std::u16string report = run_kind(1, highest).report;
    EXPECT_EQ(line_at(report, 1), u"人员：40 人；周期：31 天");
    EXPECT_EQ(line_count(report), 3 + 2 * 40 + 2);
    EXPECT_EQ(line_at(report, 3 + 2 * 39), u"护士40：");
    const std::u16string cells = line_at(report, 4 + 2 * 39);
    const std::u16string first = u"  1日D 2日R 3日N ";
    const std::u16string last = u" 31日D ";  // 30 days on, back to D
    EXPECT_EQ(cells.substr(0, first.size()), first);
    EXPECT_EQ(cells.substr(cells.size() - last.size()), last);
    EXPECT_EQ(report.size(), 6390u);

    const InputSet huge({{"nurses", 1e10}, {"days", -1e10}});
    EXPECT_EQ(line_at(run_kind(1, huge).report, 1), u"人员：1 人；周期：1 天");
}

TEST(ShiftRoster, PatternRepeatsEveryThreeNurses) {
    const InputSet in({{"nurses", 7}, {"days", 6}});
    const std::u16string report = run_kind(1, in).report;
    const char16_t* rows[] = {u"  1日D 2日R 3日N 4日D 5日R 6日N ",
                              u"  1日N 2日D 3日R 4日N 5日D 6日R ",
                              u"  1日R 2日N 3日D 4日R 5日N 6日D "};
    for (int nurse = 1; nurse <= 7; ++nurse)
        EXPECT_EQ(line_at(report, 2 + 2 * nurse), rows[(nurse - 1) % 3]) << nurse;
}

TEST(ShiftRoster, FullRosterCutAt4096) {
    const InputSet in({{"nurses", 40}, {"days", 31}});
    const std::u16string full = run_kind(1, in).report;
    static char16_t report[4096];
    char16_t verdict[512];
    run_report_kind(1, &in.tool, in.values, report, 4096, verdict, 512);
    const std::u16string cut = report;
    EXPECT_EQ(cut, full.substr(0, 4095));
    // Inside the cells of nurse 26, the closing hint gone.
    EXPECT_NE(cut.find(u"护士26："), std::u16string::npos);
    EXPECT_EQ(cut.find(u"护士27："), std::u16string::npos);
    EXPECT_EQ(cut.substr(cut.rfind(u"\r\n") + 2, 4), u"  1日");
    EXPECT_EQ(std::u16string(verdict), u"已生成轮转排班表，可复制到排班本或表格");
}

// ---- kind 2: dosing times ----------------------------------------------

TEST(DosingTimes, TypicalTable) {
    const InputSet in({{"start", 22}, {"interval", 12}, {"times", 4}});
    ReportOut out = run_kind(2, in);
    EXPECT_EQ(out.report,
              lines({u"首剂时间 22:00，间隔 12 小时，共 4 次：",
                     u"第1天 22:00  |  第2天 10:00  |  第2天 22:00  |  第3天 10:00", u"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。"}));
    EXPECT_EQ(out.verdict, u"给药时间表已生成，注意首剂与夜间给药时间");
    EXPECT_EQ(out.level, 0);
}

TEST(DosingTimes, DefaultsClampsAndTruncatedMinutes) {
    const struct {
        double start, interval, times;
        const char16_t* header;
        const char16_t* entries;
    } cases[] = {
        {8, 8, 3, u"首剂时间 8:00，间隔 8 小时，共 3 次：",
         u"第1天 08:00  |  第1天 16:00  |  第2天 00:00"},
        // Nearest hour in the header, truncated minutes in the entry.
        {8.7, 1.5, 2, u"首剂时间 9:00，间隔 2 小时，共 2 次：", u"第1天 08:41  |  第1天 10:11"},
        {-5, 0, 2, u"首剂时间 0:00，间隔 8 小时，共 2 次：", u"第1天 00:00  |  第1天 08:00"},
        {1, -4, 1.9, u"首剂时间 1:00，间隔 8 小时，共 1 次：", u"第1天 01:00"},
        {0, 24, 0, u"首剂时间 0:00，间隔 24 小时，共 1 次：", u"第1天 00:00"},
        {0, 10, 1e10, u"首剂时间 0:00，间隔 10 小时，共 1 次：", u"第1天 00:00"},
        {23.999, 0.001, 2, u"首剂时间 24:00，间隔 0 小时，共 2 次：",
         u"第1天 23:59  |  第2天 00:00"},
        // Past the 32-bit range of days: 2^40 * 24 + 13.5 hours.
        {26388279066637.5, 24, 2, u"首剂时间 26388279066638:00，间隔 24 小时，共 2 次：",
         u"第1099511627777天 13:30  |  第1099511627778天 13:30"},
        {5.2e10, 1e11, 2, u"首剂时间 52000000000:00，间隔 100000000000 小时，共 2 次：",
         u"第2166666667天 16:00  |  第6333333334天 08:00"},
        // No time of day for an infinite start; the conversions stay defined.
        {kInf, 1, 1, u"首剂时间 inf:00，间隔 1 小时，共 1 次：",
         u"第inf天 -2147483648:-2147483648"},
        {1, kNaN, 1, u"首剂时间 1:00，间隔 nan 小时，共 1 次：",
         u"第nan天 -2147483648:-2147483648"},
    };
    for (const auto& c : cases) {
        const InputSet in({{"start", c.start}, {"interval", c.interval}, {"times", c.times}});
        EXPECT_EQ(run_kind(2, in).report, lines({c.header, c.entries, u"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。"})) << c.start;
    }
}

TEST(DosingTimes, AbsentKeysAndThirtyDoses) {
    const InputSet absent({});
    EXPECT_EQ(line_at(run_kind(2, absent).report, 0),
              u"首剂时间 0:00，间隔 8 小时，共 1 次：");
    const InputSet many({{"start", 0}, {"interval", 8}, {"times", 31}});
    const std::u16string entries = line_at(run_kind(2, many).report, 1);
    int separators = 0;
    for (size_t at = entries.find(u"  |  "); at != std::u16string::npos;
         at = entries.find(u"  |  ", at + 1))
        ++separators;
    EXPECT_EQ(separators, 29);
    EXPECT_EQ(entries.substr(entries.rfind(u"  |  ") + 5), u"第10天 16:00");  // t = 232 h
}

TEST(DosingTimes, HugeValuesStayInTheEntryBuffer) {
    const InputSet in({{"start", 1e300}, {"interval", 1e300}, {"times", 3}});
    const std::u16string entries = line_at(run_kind(2, in).report, 1);
    // Each entry is cut to its 63 units; the separators still stand between.
    EXPECT_EQ(entries.size(), 3 * 63u + 2 * 5u);
    EXPECT_EQ(entries.substr(0, 2), u"第4");  // 1e300 / 24 = 4.16...e298
}

// ---- kind 6: drug compatibility ----------------------------------------

TEST(DrugCompatibility, WholeReport) {
    const InputSet in({{"drugA", 9}, {"drugB", 2}});
    ReportOut out = run_kind(6, in);
    EXPECT_EQ(out.report, lines({u"待查：9 号 碳酸氢钠  +  2 号 葡萄糖酸钙", u"",
                                 u"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索", u"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺", u"", u"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。"}));
    EXPECT_EQ(out.verdict, u"禁忌：不可同瓶输注，需间隔冲管");
    EXPECT_EQ(out.level, 3);
}

TEST(DrugCompatibility, PairsInBothOrders) {
    const struct {
        int lo, hi;
        const char16_t* conclusion;
        const char16_t* verdict;
        int level;
    } cases[] = {
        {1, 2, u"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。", u"禁忌：不可同瓶输注，需间隔冲管", 3},  {2, 9, u"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。", u"禁忌：不可同瓶输注，需间隔冲管", 3},  {3, 6, u"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。", u"不宜同瓶，分开输注并冲管", 2},
        {3, 9, u"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。", u"不宜同瓶，分开输注并冲管", 2},  {4, 10, u"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。", u"不宜同瓶，建议分开输注", 2}, {5, 9, u"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。", u"不宜同瓶，建议分开输注", 2},
        {6, 7, u"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。", u"建议分开输注", 1},  {3, 3, u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。", u"未收录明确禁忌，仍需核对院内配伍表", 0},  {1, 9, u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。", u"未收录明确禁忌，仍需核对院内配伍表", 0},
        {0, 3, u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。", u"未收录明确禁忌，仍需核对院内配伍表", 0},  {2, 12, u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。", u"未收录明确禁忌，仍需核对院内配伍表", 0}, {-1, 2, u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。", u"未收录明确禁忌，仍需核对院内配伍表", 0},
    };
    for (const auto& c : cases) {
        for (bool swapped : {false, true}) {
            const InputSet in({{"drugA", double(swapped ? c.hi : c.lo)},
                               {"drugB", double(swapped ? c.lo : c.hi)}});
            ReportOut out = run_kind(6, in);
            EXPECT_EQ(line_at(out.report, 5), c.conclusion) << c.lo << "," << c.hi;
            EXPECT_EQ(out.verdict, c.verdict) << c.lo << "," << c.hi;
            EXPECT_EQ(out.level, c.level) << c.lo << "," << c.hi;
        }
    }
}

TEST(DrugCompatibility, NumbersOutsideTheTableShowTheFirstName) {
    const InputSet absent_b({{"drugA", 3.8}});
    EXPECT_EQ(line_at(run_kind(6, absent_b).report, 0),
              u"待查：3 号 万古霉素  +  0 号 头孢曲松");
    const InputSet outside({{"drugA", 12}, {"drugB", 1e10}});
    EXPECT_EQ(line_at(run_kind(6, outside).report, 0),
              u"待查：12 号 头孢曲松  +  -2147483648 号 头孢曲松");
    const InputSet last({{"drugA", 10}, {"drugB", 7}});
    EXPECT_EQ(line_at(run_kind(6, last).report, 0),
              u"待查：10 号 多巴胺  +  7 号 维生素C");
}

// ---- kind 7: follow-up plan --------------------------------------------

ReportOut follow_up(int64_t today, const InputSet& in) {
    static char16_t report[4096], verdict[512];
    report[0] = verdict[0] = 0;  // the generator expects empty texts
    const int level =
        report_follow_up_plan_for_day(today, &in.tool, in.values, report, 4096, verdict, 512);
    return {report, verdict, level};
}

TEST(FollowUpPlan, DatesFromAFixedToday) {
    const InputSet in({{"start", 0}, {"gap", 7}, {"times", 3}});
    ReportOut out = follow_up(days_from_civil(2024, 2, 27), in);
    EXPECT_EQ(out.report,
              lines({u"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 3 次）：", u"第 1 次：2024-02-27",
                     u"第 2 次：2024-03-05", u"第 3 次：2024-03-12", u"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。"}));
    EXPECT_EQ(out.verdict, u"随访计划已生成，可按日期短信提醒患者");
    EXPECT_EQ(out.level, 0);
}

TEST(FollowUpPlan, MonthYearAndLeapDays) {
    const struct {
        int y, m, d;
        double start, gap;
        const char16_t* dates[3];
    } cases[] = {
        {2023, 12, 28, 0, 3, {u"2023-12-28", u"2023-12-31", u"2024-01-03"}},
        {2024, 2, 26, 0, 3, {u"2024-02-26", u"2024-02-29", u"2024-03-03"}},
        {2023, 2, 27, 0, 1, {u"2023-02-27", u"2023-02-28", u"2023-03-01"}},
        {2100, 2, 28, 0, 1, {u"2100-02-28", u"2100-03-01", u"2100-03-02"}},
        {2024, 3, 1, -1, 1, {u"2024-02-29", u"2024-03-01", u"2024-03-02"}},
        {2024, 1, 2, 30.9, 365, {u"2024-02-01", u"2025-01-31", u"2026-01-31"}},
    };
    for (const auto& c : cases) {
        const InputSet in({{"start", c.start}, {"gap", c.gap}, {"times", 3}});
        const std::u16string report = follow_up(days_from_civil(c.y, c.m, c.d), in).report;
        for (int k = 0; k < 3; ++k) {
            const std::u16string line = line_at(report, 1 + k);
            EXPECT_EQ(line.substr(line.size() - 10), c.dates[k]) << c.y << "-" << c.m << "-" << c.d;
        }
    }
}

TEST(FollowUpPlan, DefaultsClampsAndNegativeStart) {
    const int64_t today = days_from_civil(2024, 2, 27);
    const InputSet many({{"gap", 0}, {"times", 25}});
    const std::u16string report = follow_up(today, many).report;
    EXPECT_EQ(line_at(report, 0), u"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 20 次）：");
    EXPECT_EQ(line_count(report), 22);
    EXPECT_EQ(line_at(report, 20), u"第 20 次：2024-07-09");  // 19 gaps of 7 days

    const InputSet past({{"start", -3.7}});
    const std::u16string back = follow_up(today, past).report;
    EXPECT_EQ(back, lines({u"随访节点（以今天为基准，起始第 -3 天，间隔 7 天，共 1 次）：", u"第 1 次：2024-02-24",
                           u"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。"}));
}

TEST(FollowUpPlan, ExtremeOffsetsNeedSixtyFourBits) {
    const InputSet far({{"start", 0}, {"gap", 2147483647}, {"times", 20}});
    const std::u16string report = follow_up(0, far).report;
    EXPECT_EQ(line_at(report, 20), u"第 20 次：111714569-12-19");
    const InputSet outside({{"start", 1e10}});
    EXPECT_EQ(follow_up(0, outside).report,
              lines({u"随访节点（以今天为基准，起始第 -2147483648 天，间隔 7 天，共 1 次）：",
                     u"第 1 次：-5877641-06-23", u"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。"}));
}

TEST(FollowUpPlan, PublicEntryCountsFromTheLocalDate) {
    const InputSet in({{"start", 1}, {"gap", 2}, {"times", 4}});
    for (int attempt = 0; attempt < 2; ++attempt) {  // once more if midnight passed
        const LocalTime before = platform_local_time();
        ReportOut out = run_kind(7, in);
        const LocalTime after = platform_local_time();
        if (before.day != after.day) continue;
        EXPECT_EQ(out.report,
                  follow_up(days_from_civil(before.year, before.month, before.day), in).report);
        EXPECT_EQ(out.verdict, u"随访计划已生成，可按日期短信提醒患者");
        return;
    }
}

// ---- kind 10: infusion card --------------------------------------------

TEST(InfusionCard, Arithmetic) {
    const InputSet in({{"bed", 12.9}, {"dose", 2.5}, {"volume", 250}, {"gtt", 40}});
    ReportOut out = run_kind(10, in);
    EXPECT_EQ(out.report,
              lines({u"静脉输液卡", u"床号：12", u"药液：医嘱药量 2.50 ，加入溶媒 250 ml",
                     u"滴速：40 滴/分（约 120 ml/h）", u"核对：药名/剂量/浓度/有效期/配伍；双人签名。", u"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。"}));
    EXPECT_EQ(out.verdict, u"输液卡已生成，双人核对后执行");
    EXPECT_EQ(out.level, 0);

    const struct {
        double bed, dose, volume, gtt;
        const char16_t* bed_line;
        const char16_t* dose_line;
        const char16_t* rate_line;
    } cases[] = {
        {-3.5, 0.126, 99.4, 33.3, u"床号：-3", u"药液：医嘱药量 0.13 ，加入溶媒 99 ml",
         u"滴速：33 滴/分（约 100 ml/h）"},
        {1e10, -1, 1000.6, 60, u"床号：-2147483648",
         u"药液：医嘱药量 -1.00 ，加入溶媒 1001 ml", u"滴速：60 滴/分（约 180 ml/h）"},
    };
    for (const auto& c : cases) {
        const InputSet row({{"bed", c.bed}, {"dose", c.dose}, {"volume", c.volume}, {"gtt", c.gtt}});
        const std::u16string report = run_kind(10, row).report;
        EXPECT_EQ(line_at(report, 1), c.bed_line) << c.bed;
        EXPECT_EQ(line_at(report, 2), c.dose_line) << c.dose;
        EXPECT_EQ(line_at(report, 3), c.rate_line) << c.gtt;
    }
    const InputSet absent({});
    const std::u16string report = run_kind(10, absent).report;
    EXPECT_EQ(line_at(report, 1), u"床号：0");
    EXPECT_EQ(line_at(report, 3), u"滴速：0 滴/分（约 0 ml/h）");
}

}  // namespace
