#include "engine/tool.h"

namespace {

constexpr ToolInput kInputs[] = {
    {"c", u"摄氏温度", u"℃", 37.0},
};

constexpr ToolOutput kOutputs[] = {
    {"f", u"华氏温度", u"℉", "c*9/5+32", "f1"},
    {"k", u"绝对温度", u"K", "c+273.15", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"c>37.3", kLevelCaution, u"体温升高，结合症状判断"},
    {"", kLevelNormal, u"体温正常"},
};

constexpr ToolDef kTemperatureTool = {
    207,
    u"体温单位换算",
    u"摄氏度与华氏度互换",
    u"基础计算",
    u"F=C×9/5+32",
    u"电子体温计测量部位不同参考值不同（腋温较口温低 0.3-0.5℃）。",
    1,
    kInputs,
    2,
    kOutputs,
    2,
    kRules,
    0,
};

}  // namespace

const ToolDef* get_builtin_tool() { return &kTemperatureTool; }
