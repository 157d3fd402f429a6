// The commands in the real main window, in this process: through WM_COMMAND,
// through the message loop's Enter/F5 hook, and with their message boxes
// closed from a thread timer while they are shown.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "engine/text.h"
#include "platform/platform.h"
#include "records/record_file.h"
#include "tests/support/file_bytes.h"
#include "ui/app_state.h"
#include "ui/commands.h"
#include "ui/main_window.h"

namespace {

// Without a window manager (Xvfb), Wine waits two seconds for each hidden
// window to be withdrawn; as an unmanaged program this one does not wait.
// Set for this executable only, before its first window.
const bool kUnmanaged = [] {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Wine\\AppDefaults\\command_window_tests.exe\\X11 Driver", 0,
                        nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"),
                   2 * sizeof(wchar_t));
    RegCloseKey(key);
    return true;
}();

const std::wstring kDefaultReport = L"华氏温度：98.6 ℉\r\n绝对温度：310.15 K\r\n";

// ---- message boxes -------------------------------------------------------

struct Box {
    int count = 0;
    std::wstring caption;
    std::wstring text;
    HWND owner = nullptr;
    HICON icon = nullptr;
};

Box g_box;
HWND g_last_box = nullptr;

BOOL CALLBACK close_box(HWND window, LPARAM) {
    wchar_t name[16];
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32770") != 0 || !IsWindowVisible(window) || window == g_last_box)
        return TRUE;
    g_last_box = window;
    ++g_box.count;
    wchar_t text[2048];
    GetWindowTextW(window, text, 2048);
    g_box.caption = text;
    GetDlgItemTextW(window, 0xFFFF, text, 2048);
    g_box.text = text;
    g_box.owner = GetWindow(window, GW_OWNER);
    // The icon static: 0x14 on Windows, 0x440 under Wine.
    for (int id : {0x14, 0x440})
        if (HWND icon = GetDlgItem(window, id))
            g_box.icon = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK on_box_timer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), close_box, 0);
}

// Runs the action and returns what message box it showed, closed with OK.
template <typename Action>
Box with_box(Action action) {
    g_box = Box{};
    UINT_PTR timer = SetTimer(nullptr, 0, 20, on_box_timer);
    action();
    KillTimer(nullptr, timer);
    return g_box;
}

HICON icon(LPCWSTR id) { return LoadIconW(nullptr, id); }

// Exactly one box was shown, owned by the main window, with these texts and icon.
void expect_box(const Box& box, const wchar_t* caption, const wchar_t* text, LPCWSTR icon_id) {
    EXPECT_EQ(box.count, 1);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.owner, g_app.main_window);
    EXPECT_EQ(box.icon, icon(icon_id));
}

// ---- the window ------------------------------------------------------------

std::wstring text_of(HWND window) {
    wchar_t text[8192];
    GetWindowTextW(window, text, 8192);
    return text;
}

std::wstring wide(const char16_t* text) { return as_wide(text); }

void set_input(const wchar_t* text) { SetWindowTextW(g_app.input_edits[0], text); }

LRESULT command(int id, int notification = BN_CLICKED) {
    return SendMessageW(g_app.main_window, WM_COMMAND, MAKEWPARAM(id, notification), 0);
}

// Lets the window's own loop handle what is queued: WM_QUIT comes out only
// after every message posted before it.
void run_loop_once() {
    PostQuitMessage(0);
    run_message_loop();
}

COLORREF verdict_colour() {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(g_app.main_window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(g_app.verdict_label));
    COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(create_main_window(GetModuleHandleW(nullptr), get_builtin_tool()), nullptr);
        pump();
    }
    void TearDown() override {
        DestroyWindow(g_app.main_window);
        pump();
    }
    static void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    void calculate(const wchar_t* text) {
        g_box = Box{};
        set_input(text);
        EXPECT_EQ(command(kIdCalculate), 0);
        ASSERT_EQ(g_box.count, 0);
    }
};

TEST_F(Commands, CalculateShowsReportVerdictAndStatus) {
    struct Case {
        const wchar_t* input;
        double value;
        const wchar_t* report;
        const wchar_t* verdict;
        int level;
        COLORREF colour;
    } cases[] = {
        {L"37", 37, L"华氏温度：98.6 ℉\r\n绝对温度：310.15 K\r\n", L"体温正常", 0,
         RGB(0x00, 0x80, 0x60)},
        {L"38", 38, L"华氏温度：100.4 ℉\r\n绝对温度：311.15 K\r\n", L"体温升高，结合症状判断", 1,
         RGB(0xB0, 0x84, 0x00)},
        {L"   ", 0, L"华氏温度：32.0 ℉\r\n绝对温度：273.15 K\r\n", L"体温正常", 0,
         RGB(0x00, 0x80, 0x60)},
        {L"abc", 0, L"华氏温度：32.0 ℉\r\n绝对温度：273.15 K\r\n", L"体温正常", 0,
         RGB(0x00, 0x80, 0x60)},
        {L"37,5", 37, L"华氏温度：98.6 ℉\r\n绝对温度：310.15 K\r\n", L"体温正常", 0,
         RGB(0x00, 0x80, 0x60)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        SetFocus(g_app.input_edits[0]);
        calculate(c.input);
        EXPECT_EQ(g_app.input_values[0], c.value);
        EXPECT_EQ(text_of(g_app.result_box), c.report);
        EXPECT_EQ(text_of(g_app.verdict_label), c.verdict);
        EXPECT_EQ(g_app.level, c.level);
        EXPECT_EQ(verdict_colour(), c.colour);
        EXPECT_EQ(wide(g_app.report_copy), c.report);
        EXPECT_EQ(wide(g_app.summary_text), std::wstring(c.report) + L"—— " + c.verdict);
        EXPECT_EQ(wide(g_app.status_text), L"计算完成  体温单位换算");
        EXPECT_EQ(GetFocus(), g_app.main_window);
    }
}

TEST_F(Commands, NonFiniteInputIsRejectedAndChangesNothing) {
    calculate(L"38");
    for (const wchar_t* input : {L"1e999", L"inf", L"nan", L"-INF"}) {
        SCOPED_TRACE(input);
        text_copy(g_app.status_text, capacity_of(g_app.status_text), u"x");
        set_input(input);
        Box box = with_box([] { command(kIdCalculate); });
        expect_box(box, L"输入有误", L"第 1 项“摄氏温度”请输入数字。", IDI_WARNING);
        EXPECT_EQ(GetFocus(), g_app.input_edits[0]);
        // The last good values stay beside the last result.
        EXPECT_EQ(g_app.input_values[0], 38);
        EXPECT_EQ(g_app.level, 1);
        EXPECT_EQ(text_of(g_app.result_box), L"华氏温度：100.4 ℉\r\n绝对温度：311.15 K\r\n");
        EXPECT_EQ(text_of(g_app.verdict_label), L"体温升高，结合症状判断");
        EXPECT_EQ(wide(g_app.status_text), L"x");
    }
}

TEST_F(Commands, DispatchLooksOnlyAtTheLowWord) {
    // A notification code in the high word still runs the command.
    EXPECT_EQ(command(kIdCalculate, 0x7777), 0);
    EXPECT_EQ(wide(g_app.status_text), L"计算完成  体温单位换算");
    EXPECT_TRUE(run_command(0x10000 | kIdReset));
    EXPECT_EQ(wide(g_app.status_text), L"已恢复默认值");
    // Other ids fall through and change nothing.
    for (int id : {1000, 1006, 2000, 3000}) {
        EXPECT_FALSE(run_command(id));
        command(id);
        EXPECT_EQ(wide(g_app.status_text), L"已恢复默认值");
        EXPECT_EQ(g_box.count, 0);
    }
}

TEST_F(Commands, EnterAndF5InAControlCalculate) {
    HWND calculate_button = GetDlgItem(g_app.main_window, kIdCalculate);
    HWND copy_button = GetDlgItem(g_app.main_window, kIdCopyResult);
    struct Case {
        HWND target;
        WPARAM key;
        bool calculates;
    } cases[] = {
        {g_app.input_edits[0], VK_RETURN, true}, {g_app.input_edits[0], VK_F5, true},
        {g_app.result_box, VK_RETURN, true},     {g_app.result_box, VK_F5, true},
        {copy_button, VK_RETURN, true},          {calculate_button, VK_F5, true},
        {g_app.main_window, VK_RETURN, false},   {g_app.main_window, VK_F5, false},
        {g_app.input_edits[0], VK_F4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        on_reset();
        set_input(L"38");
        SetFocus(c.target);
        PostMessageW(c.target, WM_KEYDOWN, c.key, 1);
        run_loop_once();
        EXPECT_EQ(g_box.count, 0);
        EXPECT_EQ(wide(g_app.status_text), c.calculates ? L"计算完成  体温单位换算" : L"已恢复默认值");
        EXPECT_EQ(g_app.level, c.calculates ? 1 : 0);
        // The key did not reach the edit as text.
        EXPECT_EQ(text_of(g_app.input_edits[0]), L"38");
    }
}

TEST_F(Commands, CopyPutsNameAndSummaryOnTheClipboard) {
    Box box = with_box([] { command(kIdCopyResult); });
    expect_box(box, L"提示", L"请先点击“计算”生成结果。", IDI_INFORMATION);

    calculate(L"37");
    command(kIdCopyResult);
    EXPECT_EQ(g_box.count, 0);
    EXPECT_EQ(wide(g_app.status_text), L"结果已复制到剪贴板");
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    std::wstring copied = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied, L"体温单位换算\r\n" + kDefaultReport + L"—— 体温正常");
}

TEST_F(Commands, CopyReportsABusyClipboard) {
    calculate(L"37");
    // Another window holds the clipboard open.
    HWND holder = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(holder));
    Box box = with_box([] { command(kIdCopyResult); });
    CloseClipboard();
    DestroyWindow(holder);
    EXPECT_EQ(box.count, 0);
    EXPECT_EQ(wide(g_app.status_text), L"复制失败：剪贴板暂不可用，请重试");
}

TEST_F(Commands, ResetRestoresTheStartingState) {
    calculate(L"38");
    SetFocus(g_app.result_box);
    command(kIdReset);
    EXPECT_EQ(text_of(g_app.input_edits[0]), L"37");
    EXPECT_EQ(text_of(g_app.result_box), L"");
    EXPECT_EQ(text_of(g_app.verdict_label), L"填写左侧参数，点击“计算”");
    EXPECT_EQ(text_of(g_app.note_label), wide(get_builtin_tool()->note));
    EXPECT_EQ(g_app.report_copy[0], 0);
    EXPECT_EQ(g_app.level, 0);
    EXPECT_EQ(verdict_colour(), RGB(0x00, 0x80, 0x60));
    EXPECT_EQ(wide(g_app.status_text), L"已恢复默认值");
    EXPECT_EQ(GetFocus(), g_app.result_box);
    // The last Calculate's values and summary stay.
    EXPECT_EQ(g_app.input_values[0], 38);
    EXPECT_NE(g_app.summary_text[0], 0);

    EXPECT_EQ(with_box([] { command(kIdCopyResult); }).text, L"请先点击“计算”生成结果。");
    EXPECT_EQ(with_box([] { command(kIdSaveRecord); }).text,
              L"请先点击“计算”生成结果，再保存记录。");
}

TEST_F(Commands, AboutShowsNineLines) {
    Box box = with_box([] { command(kIdAbout); });
    EXPECT_EQ(box.count, 1);
    EXPECT_EQ(box.caption, L"关于本工具");
    EXPECT_EQ(box.owner, g_app.main_window);
    EXPECT_EQ(box.icon, icon(IDI_INFORMATION));
    EXPECT_EQ(box.text.rfind(L"体温单位换算\r\n\r\n分类：基础计算\r\n参考依据：F=C×9/5+32\r\n\r\n", 0),
              0u);
    EXPECT_NE(box.text.find(L"\r\n\r\n版本 V1.0    官网："), std::wstring::npos);
}

// ---- Save record ---------------------------------------------------------------

std::wstring record_path() {
    char16_t appdata[kRecordFolderCapacity], folder[kRecordFolderCapacity];
    char16_t path[kRecordPathCapacity];
    platform_local_appdata_folder(appdata, kRecordFolderCapacity);
    build_record_folder(appdata, folder, kRecordFolderCapacity);
    build_record_path(folder, 207, path, kRecordPathCapacity);
    return as_wide(path);
}

std::string utf8(const std::wstring& text) {
    char bytes[8192];
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr,
                                nullptr);
    return std::string(bytes, n > 0 ? n - 1 : 0);
}

// The record's bytes after its 19-character time stamp.
std::string record_after_time(const std::wstring& value, const std::wstring& report) {
    return utf8(L",体温单位换算,摄氏温度=" + value + L"," + report + L"\r\n");
}

class SaveRecord : public Commands {
protected:
    void SetUp() override {
        Commands::SetUp();
        path_ = record_path();
        DeleteFileW(path_.c_str());
    }
    void TearDown() override {
        DeleteFileW(path_.c_str());
        Commands::TearDown();
    }
    std::wstring path_;
};

TEST_F(SaveRecord, TwoSavesWriteHeaderOnceAndTwoRecords) {
    calculate(L"37");
    Box box = with_box([] { command(kIdSaveRecord); });
    expect_box(box, L"已保存", L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。", IDI_INFORMATION);
    EXPECT_EQ(wide(g_app.status_text), L"记录已保存：" + path_);
    EXPECT_NE(path_.find(L"\\VrelMedSuite\\records\\T207.csv"), std::wstring::npos);

    EXPECT_EQ(with_box([] { command(kIdSaveRecord); }).caption, L"已保存");

    const std::string bytes = read_file_bytes(path_);
    const std::string head = "\xEF\xBB\xBF" + utf8(L"时间,工具,摄氏温度,结果\r\n");
    const std::string record = record_after_time(L"37", kDefaultReport);
    ASSERT_EQ(bytes.size(), head.size() + 2 * (19 + record.size()));
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    const std::string first = bytes.substr(head.size(), 19 + record.size());
    const std::string second = bytes.substr(head.size() + first.size());
    for (const std::string& row : {first, second}) {
        EXPECT_EQ(row.substr(19), record);
        // "YYYY-MM-DD hh:mm:ss"
        int y, mo, d, h, mi, s;
        EXPECT_EQ(std::sscanf(row.c_str(), "%4d-%2d-%2d %2d:%2d:%2d", &y, &mo, &d, &h, &mi, &s), 6);
        EXPECT_EQ(row[4], '-');
        EXPECT_EQ(row[13], ':');
    }
}

TEST_F(SaveRecord, RejectedCalculateDoesNotChangeTheSavedInputs) {
    calculate(L"38");
    set_input(L"1e999");
    EXPECT_EQ(with_box([] { command(kIdCalculate); }).caption, L"输入有误");
    with_box([] { command(kIdSaveRecord); });
    const std::string bytes = read_file_bytes(path_);
    const std::string record =
        record_after_time(L"38", L"华氏温度：100.4 ℉\r\n绝对温度：311.15 K\r\n");
    ASSERT_GE(bytes.size(), record.size());
    EXPECT_EQ(bytes.substr(bytes.size() - record.size()), record);
}

TEST_F(SaveRecord, ALockedFileIsReportedAsAFailure) {
    calculate(L"37");
    with_box([] { command(kIdSaveRecord); });
    const std::string before = read_file_bytes(path_);
    // Held open without sharing, as a spreadsheet holds it.
    HANDLE lock = CreateFileW(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Box box = with_box([] { command(kIdSaveRecord); });
    CloseHandle(lock);
    expect_box(box, L"保存失败", L"本次结果未能写入本地记录文件，请关闭正在使用该文件的程序（如 Excel）后重试。", IDI_WARNING);
    EXPECT_EQ(wide(g_app.status_text), L"记录保存失败：" + path_);
    EXPECT_EQ(read_file_bytes(path_), before);

    // Unlocked, the next save goes through again.
    EXPECT_EQ(with_box([] { command(kIdSaveRecord); }).caption, L"已保存");
}

}  // namespace
