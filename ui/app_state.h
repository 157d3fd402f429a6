// The window-side state shared by the window, its painting and the commands.
// Process-wide, zero before run_main_window, touched only by the UI thread.
#pragma once

#include <windows.h>

#include "engine/tool.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "core text crosses to Win32 by cast");

struct AppState {
    HINSTANCE instance;
    HWND main_window;
    const ToolDef* tool;
    int level;
    HWND input_edits[kMaxInputs];
    HWND result_box;
    HWND verdict_label;
    HWND note_label;
    HFONT title_font;
    HFONT header_font;
    HFONT label_font;
    HFONT edit_font;
    HFONT verdict_font;
    HFONT result_font;
    HFONT button_font;
    HFONT small_font;
    HBRUSH white_brush;
    HBRUSH background_brush;
    char16_t report_copy[8192];
    char16_t summary_text[1024];
    char16_t status_text[256];
    double input_values[kMaxInputs];
};

extern AppState g_app;

// Core UTF-16 text as Win32 wide text, and back.
inline const wchar_t* as_wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* as_wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const char16_t* as_utf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
inline char16_t* as_utf16(wchar_t* text) { return reinterpret_cast<char16_t*>(text); }
