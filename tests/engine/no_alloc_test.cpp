#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/result.h"

namespace {
std::atomic<long> allocations{0};
}

// Counts every allocation of this executable.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(Engine, ComputeToolResultAllocatesNothing) {
    static char16_t report[4096], verdict[512], copy[8192];
    int level = 0;
    for (double c : {37.0, 38.5, -1e300}) {
        const long before = allocations.load();
        compute_tool_result(get_builtin_tool(), &c, report, 4096, verdict, 512, &level, copy, 8192);
        EXPECT_EQ(allocations.load(), before) << c;
    }
    // The counter itself works.
    const long before = allocations.load();
    ::operator delete(::operator new(16));  // a direct call cannot be elided
    EXPECT_EQ(allocations.load(), before + 1);
}

}  // namespace
