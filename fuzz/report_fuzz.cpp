// Arbitrary bytes as a report kind, input values for the keys the reports
// read, and buffer capacities: the report and the verdict always end within
// their capacity, the level is 0..3, and a cut report is a prefix of the
// full one.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "engine/text.h"
#include "reports/reports.h"

namespace {

// Every key a report reads, and one near miss in letter case.
constexpr const char* kKeys[] = {"nurses", "days",  "start", "interval", "times", "kind",
                                 "drugA",  "drugB", "gap",   "beds",     "bed",   "dose",
                                 "volume", "gtt",   "panel", "Kind"};
static_assert(sizeof kKeys / sizeof kKeys[0] <= kMaxInputs);

constexpr double kEdgeValues[] = {
    std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(),  -std::numeric_limits<double>::infinity(),
    1e10, -1e10, 2147483648.0, -2147483649.0, 5.2e10, 1e300, -0.0, 4.9e-324,
};

struct Bytes {
    const uint8_t* data;
    size_t size;

    uint8_t byte() {
        if (!size) return 0;
        --size;
        return *data++;
    }
    uint16_t u16() { return static_cast<uint16_t>(byte() | byte() << 8); }
    double value() {
        switch (byte() % 4) {
        case 0: {
            uint64_t bits = 0;
            for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(byte()) << (8 * i);
            double v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
        case 1: return static_cast<int8_t>(byte());
        case 2: return static_cast<int8_t>(byte()) / 10.0;
        default: return kEdgeValues[byte() % (sizeof kEdgeValues / sizeof kEdgeValues[0])];
        }
    }
};

bool terminated_within(const char16_t* text, int capacity) {
    for (int i = 0; i < capacity; ++i)
        if (text[i] == 0) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes in{data, size};
    const int kind = in.byte() % 16 - 2;  // -2..13: the fallback on both sides
    const int report_capacity = in.u16() % 8193;
    const int verdict_capacity = in.u16() % 8193;

    ToolInput inputs[kMaxInputs] = {};
    double values[kMaxInputs] = {};
    int count = 0;
    // Each present key is chosen by a byte, so keys may repeat or be absent.
    const int wanted = in.byte() % (kMaxInputs + 1);
    for (int i = 0; i < wanted; ++i) {
        inputs[count] = {kKeys[in.byte() % (sizeof kKeys / sizeof kKeys[0])], u"", nullptr, 0};
        values[count] = in.value();
        ++count;
    }
    const ToolDef tool = {1, u"t", nullptr, u"c", u"b", nullptr, count, inputs, 0, nullptr,
                          0, nullptr, kind};

    // Exact sizes, so that ASan sees a single unit written past the end.
    auto* report = static_cast<char16_t*>(std::malloc(sizeof(char16_t) * report_capacity));
    auto* verdict = static_cast<char16_t*>(std::malloc(sizeof(char16_t) * verdict_capacity));
    const int level =
        run_report_kind(kind, &tool, values, report, report_capacity, verdict, verdict_capacity);
    if (level < 0 || level > 3) std::abort();
    if (report_capacity > 0 && !terminated_within(report, report_capacity)) std::abort();
    if (verdict_capacity > 0 && !terminated_within(verdict, verdict_capacity)) std::abort();

    // The follow-up plan reads the clock, which may pass midnight between runs.
    if (kind != 7) {
        static char16_t full[16384], full_verdict[512];
        const int full_level = run_report_kind(kind, &tool, values, full, 16384, full_verdict, 512);
        if (full_level != level) std::abort();
        if (text_length(full) >= 16383) std::abort();  // every report fits this buffer
        if (report_capacity > 0) {
            const int kept = text_length(report);
            if (kept != report_capacity - 1 && kept != text_length(full)) std::abort();
            if (std::memcmp(report, full, sizeof(char16_t) * kept) != 0) std::abort();
        }
        if (verdict_capacity > 0) {
            const int kept = text_length(verdict);
            if (std::memcmp(verdict, full_verdict, sizeof(char16_t) * kept) != 0) std::abort();
            if (kept < verdict_capacity - 1 && kept != text_length(full_verdict)) std::abort();
        }
    }
    std::free(report);
    std::free(verdict);
    return 0;
}
