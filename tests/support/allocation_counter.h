// Counts the heap allocations of a test executable: link
// tests/support/allocation_counter.cpp, which replaces the global operator new.
#pragma once

long allocation_count();
