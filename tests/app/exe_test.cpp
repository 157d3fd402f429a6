// VrelMedTool.exe itself, started with exact command lines as an IT person
// would start it, and its resources as Explorer reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/app/builtin_report.h"
#include "tests/support/file_bytes.h"

namespace {

// <build>\tests\app\app_exe_tests.exe -> <build>
std::wstring build_folder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    for (int i = 0; i < 3; ++i) folder.resize(folder.find_last_of(L'\\'));
    return folder;
}

const std::wstring kExe = build_folder() + L"\\app\\VrelMedTool.exe";
const std::wstring kWork = build_folder() + L"\\tests\\app\\exe-work";

struct Process {
    PROCESS_INFORMATION info{};
    bool started = false;

    Process(const std::wstring& arguments, const std::wstring& folder) {
        std::wstring line = L"\"" + kExe + L"\"" + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 folder.c_str(), &startup, &info) != 0;
    }
    ~Process() {
        if (!started) return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    DWORD exit_code() {
        if (WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0) return 999;
        DWORD code = 998;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

void fresh_folder(const std::wstring& folder) {
    CreateDirectoryW(kWork.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
}

TEST(Exe, SelftestWritesTheReportWhereTheCommandLineSays) {
    struct Case {
        std::wstring arguments;
        std::wstring report;  // empty: no file may appear
        DWORD exit_code;
    };
    const std::wstring base = kWork + L"\\selftest";
    fresh_folder(base);
    CreateDirectoryW((base + L"\\with space").c_str(), nullptr);
    const Case cases[] = {
        {L" --selftest", base + L"\\selftest.txt", 0},
        {L" --selftest   \"" + base + L"\\with space\\report 1.txt\" ignored",
         base + L"\\with space\\report 1.txt", 0},
        {L" --selftest" + base + L"\\glued.txt", base + L"\\glued.txt", 0},
        {L" --selftest relative.txt other.txt", base + L"\\relative.txt", 0},
        // The report cannot be written: a missing folder, a folder as file.
        {L" --selftest \"" + base + L"\\missing\\r.txt\"", L"", 3},
        {L" --selftest \"" + base + L"\\with space\"", L"", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.arguments.begin(), c.arguments.end()));
        if (!c.report.empty()) DeleteFileW(c.report.c_str());
        Process process(c.arguments, base);
        ASSERT_TRUE(process.started);
        EXPECT_EQ(process.exit_code(), c.exit_code);
        if (!c.report.empty()) {
            EXPECT_EQ(read_file_bytes(c.report), kBuiltinReport);
        }
    }
    EXPECT_EQ(read_file_bytes(base + L"\\missing\\r.txt"), "<missing>");
}

TEST(Exe, WithoutTheExactOptionOpensTheWindowAndEndsWithZero) {
    const std::wstring folder = kWork + L"\\window";
    fresh_folder(folder);
    DeleteFileW((folder + L"\\selftest.txt").c_str());
    Process process(L" --SELFTEST", folder);
    ASSERT_TRUE(process.started);
    HWND window = nullptr;
    for (int i = 0; i < 200 && !window; ++i) {
        Sleep(50);
        for (HWND w = FindWindowW(L"VrelMedToolWnd", nullptr); w && !window;
             w = FindWindowExW(nullptr, w, L"VrelMedToolWnd", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == process.info.dwProcessId) window = w;
        }
    }
    ASSERT_NE(window, nullptr) << "no window appeared";
    wchar_t title[64];
    GetWindowTextW(window, title, 64);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(title)), u"体温单位换算");
    EXPECT_NE(GetDlgItem(window, 2000), nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(process.exit_code(), 0u);
    EXPECT_EQ(read_file_bytes(folder + L"\\selftest.txt"), "<missing>");
}

TEST(Exe, VersionBlockNamesTheProgram) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(kExe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(kExe.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\080404B0\\FileDescription",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"体温单位换算 V1.0");
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\080404B0\\FileVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), L"1.0.0.0");
}

TEST(Exe, IconGroupAndManifestAreEmbedded) {
    HMODULE module = LoadLibraryExW(kExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    const int count = data[4] | (data[5] << 8);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = data + 6 + 14 * i;  // width, height, colours, 0, planes, bits, ...
        EXPECT_EQ(entry[6] | (entry[7] << 8), 32) << "image " << i;
        sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));

    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                           SizeofResource(module, manifest));
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_NE(text.find(os), std::string::npos) << os;
    FreeLibrary(module);
}

}  // namespace
