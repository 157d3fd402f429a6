// Arbitrary UTF-16 as an edit's text: nothing past the 127th unit or the
// terminator counts, spaces alone are 0, and a rejected set of inputs leaves
// the stored values alone.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ui/command_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t units = size / 2;
    // An exact-size copy, so that ASan catches any read past the terminator.
    auto* text = static_cast<char16_t*>(std::malloc((units + 1) * sizeof(char16_t)));
    std::memcpy(text, data, units * sizeof(char16_t));
    text[units] = 0;
    const double value = edit_text_value(text);

    // The same text cut at 127 units reads the same.
    char16_t cut[kEditTextCapacity];
    size_t n = 0;
    while (n < kEditTextCapacity - 1 && n < units && text[n]) {
        cut[n] = text[n];
        ++n;
    }
    cut[n] = 0;
    const double again = edit_text_value(cut);
    if (std::memcmp(&value, &again, sizeof value) != 0 && !(std::isnan(value) && std::isnan(again)))
        std::abort();
    bool spaces = true;
    for (size_t i = 0; i < n; ++i) spaces = spaces && cut[i] == u' ';
    if (spaces && value != 0) std::abort();

    char16_t texts[2][kEditTextCapacity] = {u"1"};
    std::memcpy(texts[1], cut, sizeof cut);
    double values[2] = {-1, -2};
    const int rejected = parse_input_texts(2, texts, values);
    if (std::isfinite(value) ? (rejected != -1 || values[0] != 1 ||
                                std::memcmp(&values[1], &value, sizeof value) != 0)
                             : (rejected != 1 || values[0] != -1 || values[1] != -2))
        std::abort();
    std::free(text);
    return 0;
}
