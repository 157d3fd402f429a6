#include <gtest/gtest.h>

#include "reports/reports.h"
#include "tests/support/allocation_counter.h"

namespace {

TEST(Reports, GeneratorsAllocateNothing) {
    static const ToolInput inputs[] = {
        {"nurses", u"", nullptr, 0}, {"days", u"", nullptr, 0},  {"start", u"", nullptr, 0},
        {"interval", u"", nullptr, 0}, {"times", u"", nullptr, 0}, {"kind", u"", nullptr, 0},
        {"drugA", u"", nullptr, 0},  {"drugB", u"", nullptr, 0}, {"gap", u"", nullptr, 0},
        {"beds", u"", nullptr, 0},   {"bed", u"", nullptr, 0},   {"dose", u"", nullptr, 0},
        {"volume", u"", nullptr, 0}, {"gtt", u"", nullptr, 0},   {"panel", u"", nullptr, 0},
    };
    static const ToolDef tool = {1, u"t", nullptr, u"c", u"b", nullptr, 15, inputs,
                                 0, nullptr, 0, nullptr, 1};
    static const double values[] = {40, 31, 8.5, 6, 30, 2, 1, 2, 3, 30, 4, 1.5, 250, 40, 3};
    static char16_t report[8192], verdict[512];
    for (int kind = 0; kind <= 12; ++kind) {
        const long before = allocation_count();
        run_report_kind(kind, &tool, values, report, 8192, verdict, 512);
        EXPECT_EQ(allocation_count(), before) << kind;
    }
}

}  // namespace
