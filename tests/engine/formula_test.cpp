#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "engine/formula.h"

namespace {

const ToolInput kInputs[] = {
    {"c", u"c", nullptr, 0},
    {"c", u"shadowed", nullptr, 0},
    {"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijk", u"63 chars", nullptr, 0},
};
const ToolOutput kOutputs[] = {
    {"first", u"first", nullptr, "1", nullptr},
    {"c", u"hidden by the input", nullptr, "1", nullptr},
};
const ToolDef kTool = {1, u"t", nullptr, u"cat", u"basis", nullptr, 3, kInputs, 2, kOutputs, 0, nullptr, 0};

struct Result {
    double value;
    int error;
};

Result eval(const char* formula, double c = 37) {
    const double inputs[] = {c, 1000, 63};
    const double outputs[] = {5, 6};
    int error = -1;
    double v = eval_formula(&kTool, formula, inputs, outputs, &error);
    return {v, error};
}

struct Case {
    const char* formula;
    double value;
};

TEST(Formula, Values) {
    const Case cases[] = {
        {"c*9/5+32", 98.6},   {"2^3^2", 512},       {"-2^2", 4},          {"3 - -2^2", -1},
        {"2*-3", -6},         {"- -3", 3},          {"++3", 3},           {"!0", 1},
        {"!5", 0},            {"!!5", 1},           {"1<2", 1},           {"(1<2)<3", 1},
        {"2<=2", 1},          {"3>=4", 0},          {"2==2", 1},          {"2!=2", 0},
        {"3>2", 1},           {"1 ? 2 : 3 ? 4 : 5", 2},                  {"0 ? 2 : 3 ? 4 : 5", 4},
        {"0 || 0 ? 7 : 8", 8}, {"1 && 0 || 1", 1},  {"2 && 3", 1},        {"7%3", 1},
        {"-7%3", -1},         {"7%-3", 1},          {"mod(7.5,2)", 1.5},  {"round(2.5)", 3},
        {"round(-2.5)", -2},  {"round(-0.5)", 0},   {"floor(-1.5)", -2},  {"ceil(-1.5)", -1},
        {"sign(0)", 0},       {"sign(-3)", -1},     {"sign(2)", 1},       {"abs(-2)", 2},
        {"max(2,5)", 5},      {"min(2,5)", 2},      {"pow(2,10)", 1024},  {"sqrt(16)", 4},
        {"sqrt (16)", 4},     {"log10(1000)", 3},   {"log(exp(2))", 2},   {"exp(1000)>1", 1},
        {"cbrt(27)", 3},      {"cbrt(-8)", -2},     {"1e3", 1000},        {".5", 0.5},
        {"5.", 5},            {"2.5E-2", 0.025},    {"0x10", 16},         {"0x1A", 26},
        {" 1 + 2 ", 3},       {"\t1\t+\t2\t", 3},   {"\r\n1\r+\n2\n", 3}, {"first + 1", 6},
        {"c", 37},
    };
    for (const Case& c : cases) {
        Result r = eval(c.formula);
        EXPECT_EQ(r.error, 0) << c.formula;
        EXPECT_NEAR(r.value, c.value, 1e-12 * std::fabs(c.value) + 1e-15) << c.formula;
    }
}

TEST(Formula, FahrenheitIsLeftToRight) {
    // ((c * 9) / 5) + 32 rounds differently from c * (9 / 5) + 32 for some c.
    for (double c : {36.6, 37.3, 38.4, -40.0, 41.9}) {
        Result r = eval("c*9/5+32", c);
        EXPECT_EQ(r.value, ((c * 9) / 5) + 32) << c;
    }
}

// Failures, each with the value that comes back beside the flag.
TEST(Formula, FailuresReturnTheirValue) {
    const Case cases[] = {
        {"1<2<3", 1},         {"1 < = 2", 0},       {"1 = 1", 1},         {"1 & 1", 1},
        {"1 | 1", 1},         {"2**3", 2},          {"1/0+5", 5},         {"1/0*3", 0},
        {"7%0", 0},           {"mod(7,0)", 0},      {"1 ? 2 3", 2},       {"sqrt(-1)", 0},
        {"log(0)", 0},        {"log10(-1)", 0},     {".", 0},             {".e5", 0},
        {"2c", 2},            {"c (2)", 0},         {"C", 0},             {"SQRT(4)", 0},
        {"min(3)", 0},        {"sqrt(4,1)", 0},     {"min(1,2,3)", 1},    {"abs()", 0},
        {"", 0},              {"   ", 0},           {"(1", 1},            {")", 0},
        {"3+", 3},            {"*2", 0},            {"()", 0},            {"=1", 0},
        {"1\v+1", 1},         {"1+\f1", 1},         {"shadowed", 0},      {"hidden", 0},
        {"1e999", std::numeric_limits<double>::infinity()},
        {"\x80", 0},          {"undefined ? 1 : 1", 1},
    };
    for (const Case& c : cases) {
        Result r = eval(c.formula);
        EXPECT_EQ(r.error, 1) << c.formula;
        EXPECT_EQ(r.value, c.value) << c.formula;
    }
}

TEST(Formula, BothSidesAreAlwaysEvaluated) {
    EXPECT_EQ(eval("c>0 ? 1/c : 0", 0).error, 1);
    EXPECT_EQ(eval("c!=0 && 10/c>1", 0).error, 1);
    EXPECT_EQ(eval("1 || 1/0", 0).error, 1);
}

TEST(Formula, NonFiniteValues) {
    Result r = eval("exp(1000)");
    EXPECT_EQ(r.error, 1);
    EXPECT_TRUE(std::isinf(r.value));
    r = eval("0*exp(1000)");
    EXPECT_EQ(r.error, 1);
    EXPECT_TRUE(std::isnan(r.value));
    // NaN is true, and comparisons with it are false except "!=".
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(eval("c ? 1 : 2", nan).value, 1);
    EXPECT_EQ(eval("(c < 1) + (c == c) + (c != c) * 10", nan).value, 10);
    EXPECT_EQ(eval("!c", nan).value, 0);
    EXPECT_EQ(eval("sign(c)", nan).value, 0);
    EXPECT_EQ(eval("1/c > 0", nan).error, 0);  // a NaN divisor is not 0
}

TEST(Formula, Names) {
    // The input shadows the output of the same key; the first input wins.
    EXPECT_EQ(eval("c", 2).value, 2);
    EXPECT_EQ(eval("abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijk").value, 63);
    // 64 characters: the 64th is left in the text.
    Result r = eval("abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijkl");
    EXPECT_EQ(r.error, 1);
    EXPECT_EQ(r.value, 63);
    int error = -1;
    const double v[] = {0};
    EXPECT_EQ(eval_formula(&kTool, nullptr, v, v, &error), 0);
    EXPECT_EQ(error, 1);
}

TEST(Formula, DeepNestingFailsWithoutCrashing) {
    for (const char* unit : {"(", "-", "!", "2^", "1?"}) {
        std::string deep;
        for (int i = 0; i < 10000; ++i) deep += unit;
        deep += "1";
        Result r = eval(deep.c_str());
        EXPECT_EQ(r.error, 1) << unit;
        EXPECT_EQ(r.value, 0) << unit;
    }
    // The limit leaves room for any real formula.
    std::string fine = std::string(200, '(') + "1" + std::string(200, ')');
    EXPECT_EQ(eval(fine.c_str()).error, 0);
}

TEST(Formula, NumbersMatchStrtod) {
    const char* numbers[] = {"37",   "37.3", "0.1",  "98.6", "273.15", "1e22", "1e23", "123456789012345678",
                             "1234567890123456789012", "9007199254740993", "0.000001", "1e-300",
                             "4.9e-324", "2.2250738585072011e-308", "5.", ".5e1", "1e", "1e+", "0x",
                             "0x1p3", "00012", "3.14159265358979323846264338327950288"};
    for (const char* text : numbers) {
        double ours = -1;
        int used = read_number(text, &ours);
        char* end = nullptr;
        double theirs = std::strtod(text, &end);
        EXPECT_EQ(ours, theirs) << text;
        EXPECT_EQ(used, end - text) << text;
    }
}

}  // namespace
