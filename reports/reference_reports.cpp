// The reference-text kinds: fixed clinical texts, at most one part of each
// chosen by a truncated selector; every other selector value takes the
// table's last row.
#include "reports/report_lines.h"

using report_detail::add_line;
using report_detail::clamp_int;
using report_detail::input_int;
using report_detail::set_verdict;

namespace {

// The row for a selector: rows 1..count-1 as numbered, row 0 for the rest.
template <typename Row, int N>
const Row& choose(const Row (&rows)[N], int selector) {
    return selector >= 1 && selector < N ? rows[selector] : rows[0];
}

constexpr const char16_t* kCollectionOrder[] = {
    u"标准采血顺序（按添加剂，避免交叉污染）：", u"1 血培养瓶（需氧/厌氧）", u"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT）", u"3 促凝/血清管 红或金黄（生化、免疫）", u"4 肝素管 绿（血气、部分生化）", u"5 EDTA 紫（血常规、糖化、血型）", u"6 氟化钠 灰（血糖、乳酸）",
};
constexpr const char16_t* kCollectionChoice[] = {
    u"本次：其他项目，请按检验科项目手册执行。", u"本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。", u"本次：凝血 → 淡蓝管，需采满刻度线（约 2.0ml），采血后立即轻柔颠倒 3-4 次。", u"本次：生化 → 红/金黄管，避免溶血，采血后静置 30 分钟离心。", u"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。", u"本次：血培养 → 需氧+厌氧各 1 套，采血 2 套不同部位，先注入培养瓶。", u"本次：血糖/乳酸 → 灰管，需冰浴送检，30 分钟内完成。",
};

struct CriticalRow {
    const char16_t* lines[3];  // unused entries are null
};
constexpr CriticalRow kCriticalRows[] = {
    {{u"请查阅本院《危急值报告目录》"}},
    {{u"血钾 <2.5 或 >6.5 mmol/L", u"血钠 <120 或 >160 mmol/L", u"血钙 <1.5 或 >3.5 mmol/L"}},
    {{u"血糖 <2.8 或 >22.2 mmol/L", u"pH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg"}},
    {{u"白细胞 <1.0 或 >30.0 ×10^9/L", u"血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L"}},
    {{u"INR >4.0；纤维蛋白原 <1.0 g/L", u"D-二聚体显著升高并伴临床血栓表现"}},
    {{u"血培养阳性（无菌部位）", u"脑脊液培养阳性；HIV 初筛阳性需确认"}},
    {{u"肌钙蛋白明显升高（高于第 99 百分位）", u"血淀粉酶/脂肪酶 >3 倍正常上限"}},
};

struct TwoLines {
    const char16_t* first;
    const char16_t* second;
};
constexpr TwoLines kHighAlertRows[] = {
    {u"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类", u"要点：专柜加锁、基数管理、使用后登记、拮抗剂（纳洛酮/新斯的明）备用。"},
    {u"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁", u"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。"},
    {u"胰岛素与口服降糖药：胰岛素、格列本脲", u"要点：独立存放、专用注射器、剂量双人核对、低血糖监测与急救糖备用。"},
    {u"抗凝与化疗药：肝素、华法林、低分子肝素、化疗药物", u"要点：化疗药集中配置与防护、抗凝药监测 INR/APTT、出血风险宣教。"},
};
constexpr TwoLines kLabPanels[] = {
    {u"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。", u"注意：留取中段尿，1 小时内送检；月经期避免。"},
    {u"血常规（紫管 EDTA）：WBC、RBC、Hb、Hct、PLT、MCV/MCH/MCHC、中性/淋巴/单核/嗜酸/嗜碱比例。", u"注意：剧烈运动、情绪、采血时间可影响结果；PLT 聚集需涂片复核。"},
    {u"生化全套（红/金黄管）：肝功（ALT/AST/ALP/GGT/胆红素/白蛋白）、肾功（BUN/Cr/UA）、血糖、血脂、电解质。", u"注意：空腹 8-12 小时；溶血标本钾、AST 假性升高。"},
    {u"凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。", u"注意：采血量必须达刻度；肝素治疗中查 APTT。"},
    {u"甲状腺功能（红/金黄管）：TSH、FT3、FT4、TPOAb、TgAb。", u"注意：空腹；含碘造影剂后 1 周内避免复查。"},
    {u"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。", u"注意：胸痛发作后 2-4 小时开始升高；动态复查更有意义。"},
};

constexpr const char16_t* kChecklistSteps[] = {u"【麻醉实施前】身份/部位/术式/知情同意；过敏史；气道与插管风险；出血风险；影像与植入物；皮肤准备。", u"【手术开始前】团队自我介绍；确认患者、部位、术式；预计手术时间与失血量；抗菌药物已用；器械灭菌合格；影像资料到位。", u"【患者离室前】手术名称与记录一致；标本标识与送检；器械敷料清点；皮肤与管路；恢复与转运方案。"};

constexpr int kMaxBeds = 30;

}  // namespace

int report_collection_order(const ToolDef* tool, const double* input_values, char16_t* report,
                            int report_capacity, char16_t* verdict, int verdict_capacity) {
    for (const char16_t* line : kCollectionOrder) add_line(report, report_capacity, line);
    add_line(report, report_capacity, u"");
    add_line(report, report_capacity,
             choose(kCollectionChoice, input_int(tool, input_values, "kind")));
    set_verdict(verdict, verdict_capacity, u"按标准顺序采血可减少溶血与交叉污染");
    return kLevelNormal;
}

int report_critical_values(const ToolDef* tool, const double* input_values, char16_t* report,
                           int report_capacity, char16_t* verdict, int verdict_capacity) {
    add_line(report, report_capacity, u"常见检验危急值（参考，需以本院文件为准）：");
    const CriticalRow& row = choose(kCriticalRows, input_int(tool, input_values, "kind"));
    for (const char16_t* line : row.lines)
        if (line) add_line(report, report_capacity, line);
    add_line(report, report_capacity, u"");
    add_line(report, report_capacity, u"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。");
    set_verdict(verdict, verdict_capacity, u"危急值必须闭环：报告、接收、处理、记录");
    return kLevelNormal;
}

int report_high_alert_drugs(const ToolDef* tool, const double* input_values, char16_t* report,
                            int report_capacity, char16_t* verdict, int verdict_capacity) {
    add_line(report, report_capacity, u"高警示药品类别与要点：");
    const TwoLines& row = choose(kHighAlertRows, input_int(tool, input_values, "kind"));
    add_line(report, report_capacity, row.first);
    add_line(report, report_capacity, row.second);
    set_verdict(verdict, verdict_capacity, u"高警示药品须专区、专标识、双人核对");
    return kLevelNormal;
}

int report_safety_checklist(const ToolDef*, const double*, char16_t* report, int report_capacity,
                            char16_t* verdict, int verdict_capacity) {
    add_line(report, report_capacity, u"手术安全核查表（三步核查）：");
    for (const char16_t* line : kChecklistSteps) add_line(report, report_capacity, line);
    add_line(report, report_capacity, u"");
    add_line(report, report_capacity, u"要求：三方（外科、麻醉、护理）共同口述确认并签字，任一环节缺失不得开台。");
    set_verdict(verdict, verdict_capacity, u"三方核查缺一不可，签字后归档");
    return kLevelNormal;
}

int report_handover(const ToolDef* tool, const double* input_values, char16_t* report,
                    int report_capacity, char16_t* verdict, int verdict_capacity) {
    const int beds = clamp_int(input_int(tool, input_values, "beds"), 1, kMaxBeds);
    add_line(report, report_capacity, u"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：");
    for (int bed = 1; bed <= beds; ++bed) append_line(report, report_capacity, u"%02d 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%%；本班处置＿＿；管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。", bed);
    add_line(report, report_capacity, u"");
    add_line(report, report_capacity, u"危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。");
    set_verdict(verdict, verdict_capacity, u"模板已生成，床旁交接并双方签名");
    return kLevelNormal;
}

int report_lab_panels(const ToolDef* tool, const double* input_values, char16_t* report,
                      int report_capacity, char16_t* verdict, int verdict_capacity) {
    // No heading: the panel line and its note are the whole report.
    const TwoLines& panel = choose(kLabPanels, input_int(tool, input_values, "panel"));
    add_line(report, report_capacity, panel.first);
    add_line(report, report_capacity, panel.second);
    set_verdict(verdict, verdict_capacity, u"套餐与采血管已列出，按顺序采血");
    return kLevelNormal;
}
