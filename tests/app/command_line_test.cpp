#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"
#include "engine/text.h"

namespace {

std::u16string widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string narrow(const char16_t* text) {
    std::string out;
    for (; *text; ++text) out += static_cast<char>(*text);
    return out;
}

struct Case {
    const char* command_line;
    bool found;
    const char* path;  // when found
};

// Whole command lines as the system hands them over, program path included.
const Case kCases[] = {
    {"prog.exe --selftest", true, "selftest.txt"},
    {"prog.exe --selftestX", true, "X"},
    {"prog.exe --selftest    out.txt", true, "out.txt"},
    {"prog.exe --selftest   \"C:\\my dir\\r 1.txt\" more", true, "C:\\my dir\\r 1.txt"},
    {"prog.exe --selftest \"C:\\my dir\\r.txt", true, "C:\\my dir\\r.txt"},
    {"prog.exe --selftest a.txt b.txt", true, "a.txt"},
    {"prog.exe --selftest\tx.txt", true, "\tx.txt"},
    {"prog.exe --selftest \t", true, "\t"},
    {"prog.exe --selftest \"\" x.txt", true, "selftest.txt"},
    {"prog.exe --selftest   ", true, "selftest.txt"},
    {"prog.exe --selftest a --selftest b", true, "a"},
    {"prog.exe --self--selftest", true, "selftest.txt"},
    {"C:\\x--selftest\\prog.exe", true, "\\prog.exe"},
    {"\"C:\\x--selftest\\prog.exe\" other", true, "\\prog.exe\""},
    {"prog.exe --SELFTEST", false, ""},
    {"prog.exe --Selftest", false, ""},
    {"prog.exe -selftest", false, ""},
    {"prog.exe --selftes", false, ""},
    {"", false, ""},
};

TEST(CommandLine, FindsTheOptionAndExtractsThePath) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.command_line);
        const std::u16string line = widen(c.command_line);
        const char16_t* after = find_selftest_option(line.c_str());
        ASSERT_EQ(after != nullptr, c.found);
        if (!after) continue;
        char16_t path[kSelftestPathCapacity];
        extract_selftest_path(after, path, capacity_of(path));
        EXPECT_EQ(narrow(path), c.path);
    }
}

TEST(CommandLine, PathIsCutTo519Units) {
    struct Length {
        int written;
        bool quoted;
        int kept;
    };
    for (const Length l : {Length{519, false, 519}, Length{520, false, 519}, Length{519, true, 519},
                           Length{520, true, 519}, Length{2000, true, 519}}) {
        SCOPED_TRACE(l.written);
        const std::string name(static_cast<std::size_t>(l.written), 'p');
        const std::u16string line =
            widen("prog.exe --selftest " + (l.quoted ? "\"" + name + "\"" : name) + " tail");
        char16_t path[kSelftestPathCapacity + 1];
        path[kSelftestPathCapacity] = u'#';  // a guard behind the capacity
        extract_selftest_path(find_selftest_option(line.c_str()), path, kSelftestPathCapacity);
        EXPECT_EQ(narrow(path), name.substr(0, static_cast<std::size_t>(l.kept)));
        EXPECT_EQ(path[kSelftestPathCapacity], u'#');
    }
}

}  // namespace
