#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/window_fixture.h"

namespace {

TEST(MessageLoop, EnterAndF5InAnyChildAreTheCalculateKey) {
    OpenWindow open;
    HWND outsider = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    HWND calculate = GetDlgItem(open.window, 1001);
    struct Case {
        UINT message;
        WPARAM key;
        HWND target;
        bool calculates;
    };
    const Case cases[] = {
        {WM_KEYDOWN, VK_RETURN, g_app.input_edits[0], true},
        {WM_KEYDOWN, VK_F5, g_app.input_edits[0], true},
        {WM_KEYDOWN, VK_F5, g_app.result_box, true},
        {WM_KEYDOWN, VK_RETURN, calculate, true},
        {WM_KEYDOWN, VK_RETURN, GetDlgItem(open.window, 1003), true},
        {WM_KEYDOWN, VK_RETURN, open.window, false},
        {WM_KEYDOWN, VK_F5, outsider, false},
        {WM_KEYDOWN, VK_TAB, g_app.input_edits[0], false},
        {WM_KEYDOWN, VK_F4, g_app.input_edits[0], false},
        {WM_KEYUP, VK_RETURN, g_app.input_edits[0], false},
        {WM_CHAR, 13, g_app.input_edits[0], false},
        {WM_SYSKEYDOWN, VK_F5, g_app.input_edits[0], false},
    };
    for (const Case& c : cases) {
        MSG message = {};
        message.hwnd = c.target;
        message.message = c.message;
        message.wParam = c.key;
        EXPECT_EQ(is_calculate_key(message), c.calculates) << c.message << " " << c.key;
    }
    DestroyWindow(outsider);
}

// Keys that reach the first edit, recorded behind its own procedure.
std::vector<WPARAM> g_keys;
WNDPROC g_edit_proc;

LRESULT CALLBACK recording_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_KEYDOWN) g_keys.push_back(wparam);
    return CallWindowProcW(g_edit_proc, window, message, wparam, lparam);
}

void CALLBACK post_keys_then_close(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND edit = g_app.input_edits[0];
    g_edit_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&recording_proc)));
    PostMessageW(edit, WM_KEYDOWN, VK_F5, 0);
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(edit, WM_KEYDOWN, 'X', 0);
    PostMessageW(g_app.main_window, WM_CLOSE, 0, 0);
}

TEST(MessageLoop, RunsUntilClosedAndKeepsTheCalculateKeysFromTheEdit) {
    g_keys.clear();
    SetTimer(nullptr, 0, 10, post_keys_then_close);
    EXPECT_EQ(run_main_window(GetModuleHandleW(nullptr), get_builtin_tool()), 0);
    EXPECT_FALSE(IsWindow(g_app.main_window));
    EXPECT_EQ(g_keys, std::vector<WPARAM>{'X'});
}

}  // namespace
