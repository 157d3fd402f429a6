// Arbitrary UTF-16 (bytes taken in pairs) as the process command line: the
// option search and the path extraction never read past the terminator, and
// the path is terminated, at most 519 units, and either taken from the text
// after the option or the default name.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/command_line.h"

namespace {

int length(const char16_t* text) {
    int n = 0;
    while (text[n]) ++n;
    return n;
}

bool contains(const char16_t* text, int text_length, const char16_t* part, int part_length) {
    for (int i = 0; i + part_length <= text_length; ++i)
        if (std::memcmp(text + i, part, sizeof(char16_t) * static_cast<std::size_t>(part_length)) == 0)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t units = size / 2;
    // An exact-size copy, so that ASan catches any read past the terminator.
    char16_t* line = static_cast<char16_t*>(std::malloc((units + 1) * sizeof(char16_t)));
    for (size_t i = 0; i < units; ++i)
        line[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    line[units] = 0;

    if (const char16_t* after = find_selftest_option(line)) {
        if (after < line + 10 || after > line + units) std::abort();
        char16_t path[kSelftestPathCapacity + 1];
        path[kSelftestPathCapacity] = u'#';
        extract_selftest_path(after, path, kSelftestPathCapacity);
        if (path[kSelftestPathCapacity] != u'#') std::abort();
        const int n = length(path);
        if (n < 1 || n > kSelftestPathCapacity - 1) std::abort();
        static const char16_t kDefault[] = u"selftest.txt";
        const bool is_default = n == length(kDefault) && std::memcmp(path, kDefault, sizeof kDefault) == 0;
        if (!is_default && !contains(after, length(after), path, n)) std::abort();
    } else {
        static const char16_t kOption[] = u"--selftest";
        if (contains(line, length(line), kOption, 10)) std::abort();
    }
    std::free(line);
    return 0;
}
