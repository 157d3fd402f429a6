// The self-test option on the process command line, as pure text functions.
#pragma once

// Room for the self-test path: at most 519 units and the terminator.
constexpr int kSelftestPathCapacity = 520;

// The first "--selftest" anywhere in the command line (a plain, case-sensitive
// substring search, so it is found inside any argument or the program path).
// Returns the position right after those ten units, or nullptr.
const char16_t* find_selftest_option(const char16_t* command_line);

// The report path that follows the option: spaces skipped, then a quoted
// text up to the closing quote (or the end), else up to the next space; cut
// to capacity - 1 units; "selftest.txt" when nothing was taken.
void extract_selftest_path(const char16_t* after_option, char16_t* path, int capacity);
