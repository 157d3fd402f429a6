// Painting of the main window and its owner-drawn buttons, and the colours
// of its controls.
#pragma once

#include <windows.h>

// COLORREF of a 0xRRGGBB colour.
constexpr COLORREF to_colorref(unsigned rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void fill_rect(HDC dc, int x, int y, int width, int height, unsigned colour);
void frame_rect(HDC dc, int x, int y, int width, int height, unsigned colour);
void draw_text(HDC dc, int x, int y, int width, int height, const char16_t* text, unsigned colour,
               HFONT font, UINT extra_flags);

// WM_PAINT: BeginPaint, paint_client, EndPaint.
void paint_main_window(HWND window);
// Everything of the main window's own drawing onto one device context, so
// that WM_PAINT and WM_PRINTCLIENT give the same pixels.
void paint_client(HWND window, HDC dc);

// WM_DRAWITEM of a bottom-bar button.
void draw_owner_button(const DRAWITEMSTRUCT& item);

// WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC: set the colours, return the brush.
HBRUSH on_ctl_color_edit(HDC dc);
HBRUSH on_ctl_color_static(HDC dc, HWND control);
