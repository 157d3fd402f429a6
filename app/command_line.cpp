#include "app/command_line.h"

#include "engine/text.h"

namespace {

constexpr char16_t kOption[] = u"--selftest";
constexpr char16_t kDefaultPath[] = u"selftest.txt";

bool starts_with(const char16_t* text, const char16_t* prefix) {
    for (; *prefix; ++text, ++prefix)
        if (*text != *prefix) return false;
    return true;
}

}  // namespace

const char16_t* find_selftest_option(const char16_t* command_line) {
    constexpr int option_length = capacity_of(kOption) - 1;
    for (const char16_t* p = command_line; *p; ++p)
        if (starts_with(p, kOption)) return p + option_length;
    return nullptr;
}

void extract_selftest_path(const char16_t* after_option, char16_t* path, int capacity) {
    if (capacity <= 0) return;
    const char16_t* p = after_option;
    while (*p == u' ') ++p;  // only spaces: a tab starts the path
    char16_t end = u' ';
    if (*p == u'"') {
        end = u'"';
        ++p;
    }
    int n = 0;
    for (; *p && *p != end; ++p)
        if (n < capacity - 1) path[n++] = *p;  // the rest is dropped
    path[n] = 0;
    if (n == 0) text_copy(path, capacity, kDefaultPath);
}
