// Opens the main window for one test without running the loop, and closes
// it again, leaving no quit message behind for the next test.
#pragma once

#include <windows.h>

#include <string>

#include "engine/tool.h"
#include "ui/app_state.h"
#include "ui/main_window.h"

inline void drain_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) DispatchMessageW(&message);
}

struct OpenWindow {
    HWND window;
    explicit OpenWindow(const ToolDef* tool = get_builtin_tool())
        : window(create_main_window(GetModuleHandleW(nullptr), tool)) {
        drain_messages();
    }
    ~OpenWindow() {
        DestroyWindow(window);
        drain_messages();
    }
    OpenWindow(const OpenWindow&) = delete;
    OpenWindow& operator=(const OpenWindow&) = delete;
};

inline std::u16string window_text(HWND window) {
    wchar_t text[1024] = L"";
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return reinterpret_cast<const char16_t*>(text);
}

// The rectangle of a child in its parent's client coordinates.
inline RECT child_rect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
