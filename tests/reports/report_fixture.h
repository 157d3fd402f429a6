// A tool made of keyed inputs, and runs of a report kind into roomy buffers.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "engine/result.h"
#include "reports/reports.h"

// Only the keys and the values of a tool matter to the reports.
struct InputSet {
    ToolInput inputs[kMaxInputs] = {};
    double values[kMaxInputs] = {};
    ToolDef tool = {};

    InputSet(std::initializer_list<std::pair<const char*, double>> keyed, int report_kind = 0) {
        int n = 0;
        for (const auto& [key, value] : keyed) {
            inputs[n] = {key, u"", nullptr, 0};
            values[n] = value;
            ++n;
        }
        tool.id = 900;
        tool.name = u"t";
        tool.category = u"c";
        tool.basis = u"b";
        tool.input_count = n;
        tool.inputs = inputs;
        tool.report_kind = report_kind;
    }
    InputSet(const InputSet&) = delete;
    InputSet& operator=(const InputSet&) = delete;
};

struct ReportOut {
    std::u16string report;
    std::u16string verdict;
    int level;
};

inline ReportOut run_kind(int kind, const InputSet& in) {
    static char16_t report[16384], verdict[512];
    const int level = run_report_kind(kind, &in.tool, in.values, report, 16384, verdict, 512);
    return {report, verdict, level};
}

// Each text followed by CR LF.
inline std::u16string lines(std::initializer_list<std::u16string> texts) {
    std::u16string out;
    for (const std::u16string& text : texts) out += text + u"\r\n";
    return out;
}

// The lines of a report, without their CR LF.
inline std::basic_string<char16_t> line_at(const std::u16string& report, int index) {
    size_t begin = 0;
    for (int i = 0; i < index; ++i) begin = report.find(u"\r\n", begin) + 2;
    return report.substr(begin, report.find(u"\r\n", begin) - begin);
}

inline int line_count(const std::u16string& report) {
    int n = 0;
    for (size_t at = report.find(u"\r\n"); at != std::u16string::npos; at = report.find(u"\r\n", at + 2))
        ++n;
    return n;
}
