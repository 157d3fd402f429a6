// Arbitrary format codes, values and capacities through format_value: the
// text is always terminated within its capacity and never shows a cut
// number (at most 79 characters, finite values never "--" but for "date").
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/result.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 10) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const int capacity = data[8] % 140;  // below, at and above the documented 80
    const char* codes[] = {"f0", "f1", "f2", "f3", "int", "pct", "date", nullptr};
    // One of the known codes, or the rest of the input as an arbitrary code.
    const uint8_t pick = data[9];
    char* own_code = nullptr;
    const char* code = pick < 8 * 24 ? codes[pick % 8] : nullptr;
    if (pick >= 8 * 24) {
        own_code = static_cast<char*>(std::malloc(size - 10 + 1));
        std::memcpy(own_code, data + 10, size - 10);
        own_code[size - 10] = 0;
        code = own_code;
    }
    // Exact size plus a canary, so any write past the capacity shows.
    char16_t* text = static_cast<char16_t*>(std::malloc(sizeof(char16_t) * (capacity + 1)));
    text[capacity] = u'#';
    format_value(code, value, text, capacity);
    if (text[capacity] != u'#') std::abort();
    if (capacity > 0) {
        const int n = text_length(text);
        if (n > capacity - 1 || n > 79) std::abort();
        const bool dashes = n == 2 && text[0] == u'-' && text[1] == u'-';
        const bool is_date = code && std::strcmp(code, "date") == 0;
        if (capacity >= 3 && std::isfinite(value) && dashes && !is_date) std::abort();
    }
    std::free(text);
    std::free(own_code);
    return 0;
}
