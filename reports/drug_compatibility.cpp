// Looks up a pair of drugs, in either order, in a short table of known
// incompatibilities; the pair's level becomes the verdict level.
#include "reports/report_lines.h"

using report_detail::add_line;
using report_detail::input_int;
using report_detail::set_verdict;

namespace {

// Indexed by drug number 1..10.
constexpr const char16_t* drug_names[] = {
    nullptr, u"头孢曲松", u"葡萄糖酸钙", u"万古霉素", u"呋塞米", u"氨溴索",
    u"奥美拉唑", u"维生素C", u"胰岛素", u"碳酸氢钠", u"多巴胺",
};

// Numbers outside the table show the first drug's name.
const char16_t* drug_name(int number) {
    return number >= 1 && number < capacity_of(drug_names) ? drug_names[number] : drug_names[1];
}

struct Finding {
    const char16_t* conclusion;
    const char16_t* verdict;
    int level;
};

constexpr Finding kContraindicated = {u"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。", u"禁忌：不可同瓶输注，需间隔冲管", kLevelCritical};
constexpr Finding kVancomycinAlkaline = {u"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。", u"不宜同瓶，分开输注并冲管", kLevelWarning};
constexpr Finding kSeparateLines = {u"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。", u"不宜同瓶，建议分开输注", kLevelWarning};
constexpr Finding kPhConflict = {u"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。", u"建议分开输注", kLevelCaution};
constexpr Finding kNotListed = {u"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。", u"未收录明确禁忌，仍需核对院内配伍表", kLevelNormal};

struct KnownPair {
    int lo;
    int hi;
    const Finding* finding;
};

constexpr KnownPair kKnownPairs[] = {
    {1, 2, &kContraindicated},   {2, 9, &kContraindicated},
    {3, 6, &kVancomycinAlkaline}, {3, 9, &kVancomycinAlkaline},
    {4, 10, &kSeparateLines},    {5, 9, &kSeparateLines},
    {6, 7, &kPhConflict},
};

const Finding& find_pair(int a, int b) {
    const int lo = a < b ? a : b;
    const int hi = a < b ? b : a;
    for (const KnownPair& pair : kKnownPairs)
        if (pair.lo == lo && pair.hi == hi) return *pair.finding;
    return kNotListed;
}

}  // namespace

int report_drug_compatibility(const ToolDef* tool, const double* input_values, char16_t* report,
                              int report_capacity, char16_t* verdict, int verdict_capacity) {
    const int a = input_int(tool, input_values, "drugA");
    const int b = input_int(tool, input_values, "drugB");
    append_line(report, report_capacity, u"待查：%d 号 %ls  +  %d 号 %ls", a, drug_name(a), b, drug_name(b));
    add_line(report, report_capacity, u"");
    add_line(report, report_capacity, u"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索");
    add_line(report, report_capacity, u"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺");
    add_line(report, report_capacity, u"");
    const Finding& finding = find_pair(a, b);
    add_line(report, report_capacity, finding.conclusion);
    set_verdict(verdict, verdict_capacity, finding.verdict);
    return finding.level;
}
