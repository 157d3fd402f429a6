// Every kind written into every smaller buffer: a terminated prefix of the
// full text, nothing past the capacity, and the same verdict and level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_fixture.h"

namespace {

constexpr char16_t kCanary = 0xBEEF;
constexpr int kCanaryUnits = 8;

struct KindCase {
    int kind;
    const InputSet* inputs;
};

const InputSet kNone({});
const InputSet kRoster({{"nurses", 5}, {"days", 7}});
const InputSet kDosing({{"start", 8.7}, {"interval", 6}, {"times", 5}});
const InputSet kSelector({{"kind", 1}, {"panel", 2}, {"beds", 3}});
const InputSet kDrugs({{"drugA", 2}, {"drugB", 1}});
const InputSet kVisits({{"start", 2}, {"gap", 10}, {"times", 4}});
const InputSet kCard({{"bed", 7}, {"dose", 1.5}, {"volume", 100}, {"gtt", 30}});

const KindCase kKinds[] = {
    {1, &kRoster},   {2, &kDosing},   {3, &kSelector}, {4, &kSelector}, {5, &kSelector},
    {6, &kDrugs},    {7, &kVisits},   {8, &kNone},     {9, &kSelector}, {10, &kCard},
    {11, &kSelector}, {0, &kNone},
};

int run_into(const KindCase& c, std::vector<char16_t>& report, int report_capacity,
             std::vector<char16_t>& verdict, int verdict_capacity) {
    report.assign(report_capacity + kCanaryUnits, kCanary);
    verdict.assign(verdict_capacity + kCanaryUnits, kCanary);
    return run_report_kind(c.kind, &c.inputs->tool, c.inputs->values, report.data(),
                           report_capacity, verdict.data(), verdict_capacity);
}

bool canary_intact(const std::vector<char16_t>& buffer, int capacity) {
    for (int i = capacity; i < capacity + kCanaryUnits; ++i)
        if (buffer[i] != kCanary) return false;
    return true;
}

TEST(Cutting, EveryReportCapacityGivesAPrefix) {
    for (const KindCase& c : kKinds) {
        const ReportOut full = run_kind(c.kind, *c.inputs);
        const int length = static_cast<int>(full.report.size());
        ASSERT_GT(length, 0) << c.kind;
        std::vector<char16_t> report, verdict;
        for (int capacity = 0; capacity <= length + 1; ++capacity) {
            const int level = run_into(c, report, capacity, verdict, 512);
            ASSERT_TRUE(canary_intact(report, capacity)) << c.kind << " at " << capacity;
            if (capacity > 0) {
                const int kept = capacity - 1 < length ? capacity - 1 : length;
                ASSERT_EQ(std::u16string(report.data()), full.report.substr(0, kept))
                    << c.kind << " at " << capacity;
            }
            ASSERT_EQ(std::u16string(verdict.data()), full.verdict) << c.kind << " at " << capacity;
            ASSERT_EQ(level, full.level) << c.kind << " at " << capacity;
        }
    }
}

TEST(Cutting, SmallVerdictBuffersAreNeverOverrun) {
    for (const KindCase& c : kKinds) {
        const ReportOut full = run_kind(c.kind, *c.inputs);
        const int length = static_cast<int>(full.verdict.size());
        EXPECT_LE(length, 20) << c.kind;
        std::vector<char16_t> report, verdict;
        for (int capacity = 0; capacity <= length + 1; ++capacity) {
            const int level = run_into(c, report, 16384, verdict, capacity);
            ASSERT_TRUE(canary_intact(verdict, capacity)) << c.kind << " at " << capacity;
            if (capacity > 0) {
                const int kept = capacity - 1 < length ? capacity - 1 : length;
                ASSERT_EQ(std::u16string(verdict.data()), full.verdict.substr(0, kept))
                    << c.kind << " at " << capacity;
            }
            ASSERT_EQ(std::u16string(report.data()), full.report) << c.kind << " at " << capacity;
            ASSERT_EQ(level, full.level) << c.kind << " at " << capacity;
        }
    }
}

}  // namespace
