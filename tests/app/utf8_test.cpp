#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

struct Case {
    std::vector<char16_t> units;  // without the terminator
    std::string bytes;            // without the terminating zero byte
};

const Case kCases[] = {
    {{}, ""},
    {{u'A', u'|'}, "A|"},
    {{0x00E9}, "\xC3\xA9"},
    {{0x2103, 0x4E2D}, "\xE2\x84\x83\xE4\xB8\xAD"},
    {{0xFFFF}, "\xEF\xBF\xBF"},
    {{0xD83D, 0xDE00}, "\xF0\x9F\x98\x80"},
    // Lone surrogates become U+FFFD and the next unit is read on its own.
    {{0xD83D, u'A'}, "\xEF\xBF\xBD" "A"},
    {{0xDE00, u'A'}, "\xEF\xBF\xBD" "A"},
    {{u'A', 0xD83D}, "A\xEF\xBF\xBD"},
    {{0xD83D, 0xD83D, 0xDE00}, "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
    {{0xDE00, 0xD83D}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
};

std::u16string terminated(const Case& c) { return std::u16string(c.units.begin(), c.units.end()); }

TEST(Utf8, ConvertsTheWholeTextWithItsTerminator) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.bytes);
        const std::u16string text = terminated(c);
        char bytes[64];
        const int n = utf16_to_utf8(text.c_str(), bytes, sizeof bytes);
        ASSERT_EQ(n, static_cast<int>(c.bytes.size()) + 1);
        EXPECT_EQ(std::string(bytes, static_cast<std::size_t>(n)), c.bytes + '\0');
#ifdef _WIN32
        // The same bytes as the system's conversion.
        char system[64];
        const int m = WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t*>(text.c_str()),
                                          -1, system, sizeof system, nullptr, nullptr);
        EXPECT_EQ(std::string(system, static_cast<std::size_t>(m)), c.bytes + '\0');
#endif
    }
}

TEST(Utf8, GivesZeroWhenTheBytesDoNotFit) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.bytes);
        const std::u16string text = terminated(c);
        const int need = static_cast<int>(c.bytes.size()) + 1;
        char bytes[64];
        EXPECT_EQ(utf16_to_utf8(text.c_str(), bytes, need), need);
        EXPECT_EQ(utf16_to_utf8(text.c_str(), bytes, need - 1), 0);
    }
    char bytes[1];
    EXPECT_EQ(utf16_to_utf8(u"", bytes, 0), 0);
}

}  // namespace
