#include <gtest/gtest.h>

#include "engine/result.h"
#include "tests/support/allocation_counter.h"

namespace {

TEST(Engine, ComputeToolResultAllocatesNothing) {
    static char16_t report[4096], verdict[512], copy[8192];
    int level = 0;
    for (double c : {37.0, 38.5, -1e300}) {
        const long before = allocation_count();
        compute_tool_result(get_builtin_tool(), &c, report, 4096, verdict, 512, &level, copy, 8192);
        EXPECT_EQ(allocation_count(), before) << c;
    }
    // The counter itself works.
    const long before = allocation_count();
    ::operator delete(::operator new(16));  // a direct call cannot be elided
    EXPECT_EQ(allocation_count(), before + 1);
}

}  // namespace
