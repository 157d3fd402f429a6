// Engine timings, and muParser beside them where it is installed. Prints the
// ratios that the README quotes at the end of the run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/formula.h"
#include "engine/result.h"

#if HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

// Makes the compiler forget what it knows of v (see the toolchain notes:
// DoNotOptimize on a double local was seen to drop the store).
inline void launder(double& v) { asm volatile("" : "+x"(v)); }
inline void use(double v) { asm volatile("" : : "x"(v)); }

struct Expr {
    const char* name;
    const char* ours;
    const char* muparser;
};

// Every operator level and function of the language, where muParser has the same.
const Expr kExprs[] = {
    {"fahrenheit", "c*9/5+32", "c*9/5+32"},
    {"kelvin", "c+273.15", "c+273.15"},
    {"rule", "c>37.3", "c>37.3"},
    {"long", "(c*9/5+32 > 99 && c < 42 || c == 0) ? sqrt(abs(c-1))^2 + exp(-c/10) : -c*2/3 + 4^0.5",
     "(c*9/5+32 > 99 && c < 42 || c == 0) ? sqrt(abs(c-1))^2 + exp(-c/10) : -c*2/3 + 4^0.5"},
    {"functions", "min(c, 40) + max(c, 35) - abs(-c) + sqrt(c*c) / 2.5e1 >= 1.5 || c != c",
     "min(c, 40) + max(c, 35) - abs(-c) + sqrt(c*c) / 2.5e1 >= 1.5 || c != c"},
};

void BM_eval_formula(benchmark::State& state, const Expr* e) {
    const ToolDef* tool = get_builtin_tool();
    const double outputs[kMaxOutputs] = {};
    double c = 37.0;
    for (auto _ : state) {
        launder(c);
        int error = 0;
        double v = eval_formula(tool, e->ours, &c, outputs, &error);
        use(v);
        benchmark::DoNotOptimize(error);
    }
}

void BM_compute_tool_result(benchmark::State& state) {
    static char16_t report[4096], verdict[512], copy[8192];
    double c = 37.0;
    int level = 0;
    for (auto _ : state) {
        launder(c);
        compute_tool_result(get_builtin_tool(), &c, report, 4096, verdict, 512, &level, copy, 8192);
        benchmark::DoNotOptimize(report);
        benchmark::DoNotOptimize(level);
    }
}

#if HAVE_MUPARSER
void BM_muparser_parse_and_eval(benchmark::State& state, const Expr* e) {
    double c = 37.0;
    mu::Parser parser;
    parser.DefineVar("c", &c);
    for (auto _ : state) {
        parser.SetExpr(e->muparser);
        double v = parser.Eval();
        use(v);
    }
}

void BM_muparser_eval_parsed(benchmark::State& state, const Expr* e) {
    double c = 37.0;
    mu::Parser parser;
    parser.DefineVar("c", &c);
    parser.SetExpr(e->muparser);
    parser.Eval();
    for (auto _ : state) {
        launder(c);
        double v = parser.Eval();
        use(v);
    }
}
#endif

// Keeps each run's time so that the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ns;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate ? r.aggregate_name == "median" : true)
                ns[r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args)] =
                    r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    for (const Expr& e : kExprs) {
        benchmark::RegisterBenchmark((std::string("eval_formula/") + e.name).c_str(), BM_eval_formula, &e);
#if HAVE_MUPARSER
        benchmark::RegisterBenchmark((std::string("muparser_parse_and_eval/") + e.name).c_str(),
                                     BM_muparser_parse_and_eval, &e);
        benchmark::RegisterBenchmark((std::string("muparser_eval_parsed/") + e.name).c_str(),
                                     BM_muparser_eval_parsed, &e);
#endif
    }
    benchmark::RegisterBenchmark("compute_tool_result/builtin", BM_compute_tool_result);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\ncompute_tool_result for tool 207: %.1f ns (aim: under 1000 ns)\n",
                reporter.ns["compute_tool_result/builtin"]);
#if HAVE_MUPARSER
    for (const Expr& e : kExprs) {
        const double ours = reporter.ns[std::string("eval_formula/") + e.name];
        const double parse = reporter.ns[std::string("muparser_parse_and_eval/") + e.name];
        const double parsed = reporter.ns[std::string("muparser_eval_parsed/") + e.name];
        std::printf("%-10s eval_formula %8.1f ns | muParser parse+eval %8.1f ns (%.0fx faster; aim 50x)"
                    " | muParser parsed %6.1f ns (%.2fx of it)\n",
                    e.name, ours, parse, parse / ours, parsed, ours / parsed);
    }
#else
    std::printf("muParser is not installed: no side-by-side figures.\n");
#endif
    benchmark::Shutdown();
    return 0;
}
