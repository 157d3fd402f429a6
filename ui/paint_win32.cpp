#include "ui/paint.h"

#include "engine/text.h"
#include "ui/app_state.h"
#include "ui/commands.h"
#include "ui/layout.h"
#include "ui/maker.h"

void fill_rect(HDC dc, int x, int y, int width, int height, unsigned colour) {
    HBRUSH brush = CreateSolidBrush(to_colorref(colour));
    const RECT rect = {x, y, x + width, y + height};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void frame_rect(HDC dc, int x, int y, int width, int height, unsigned colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, to_colorref(colour));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x, y, x + width, y + height);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

void draw_text(HDC dc, int x, int y, int width, int height, const char16_t* text, unsigned colour,
               HFONT font, UINT extra_flags) {
    HGDIOBJ old_font = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, to_colorref(colour));
    RECT rect = {x, y, x + width, y + height};
    DrawTextW(dc, as_wide(text), -1, &rect,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | extra_flags);
    SelectObject(dc, old_font);
}

void paint_main_window(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    paint_client(window, dc);
    EndPaint(window, &paint);
}

void paint_client(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const ToolDef* tool = g_app.tool;

    fill_rect(dc, 0, 0, width, height, kPageColour);
    fill_rect(dc, 0, 0, width, 88, kHeaderColour);
    fill_rect(dc, 0, 0, 8, 88, kAccentColour);
    draw_text(dc, 26, 12, 700, 38, tool->name, kWhite, g_app.title_font, 0);
    char16_t subtitle[256];
    format_text(subtitle, capacity_of(subtitle), u"%ls  ·  %ls", tool->category,
                tool->subtitle ? tool->subtitle : u"");
    draw_text(dc, 28, 48, 720, 28, subtitle, kSubtitleColour, g_app.header_font, 0);
    char16_t web_address[64];
    text_copy(web_address, capacity_of(web_address), kMakerWebAddress);
    draw_text(dc, width - 240, 8, 214, 26, web_address, kWebAddressColour, g_app.small_font,
              DT_RIGHT);

    fill_rect(dc, 20, 96, 440, 552, kWhite);
    frame_rect(dc, 20, 96, 440, 552, kPanelOutlineColour);
    fill_rect(dc, 476, 96, 524, 552, kWhite);
    frame_rect(dc, 476, 96, 524, 552, kPanelOutlineColour);
    draw_text(dc, 36, 104, 300, 30, u"输入参数", kHeaderColour, g_app.header_font, 0);
    draw_text(dc, 492, 104, 300, 30, u"计算结果", kHeaderColour, g_app.header_font, 0);
    fill_rect(dc, 36, 133, 408, 1, kUnderlineColour);
    fill_rect(dc, 492, 133, 492, 1, kUnderlineColour);

    fill_rect(dc, 0, 660, width, 60, kBottomBarColour);
    draw_text(dc, 740, 704, 264, 16, g_app.status_text, kMutedTextColour, g_app.small_font,
              DT_RIGHT);
}

void draw_owner_button(const DRAWITEMSTRUCT& item) {
    const bool calculate = item.CtlID == static_cast<UINT>(kIdCalculate);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    unsigned fill = pressed ? kPlainPressedFill : kWhite;
    unsigned outline = kPlainOutline;
    unsigned caption_colour = kTextColour;
    if (calculate) {
        fill = pressed ? kCalculatePressedFill : kCalculateFill;
        outline = kCalculateOutline;
        caption_colour = kWhite;
    }
    const RECT& r = item.rcItem;
    fill_rect(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, fill);
    frame_rect(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, outline);
    wchar_t caption[64];
    GetWindowTextW(item.hwndItem, caption, capacity_of(caption));
    draw_text(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, as_utf16(caption),
              caption_colour, g_app.button_font, DT_CENTER);
}

HBRUSH on_ctl_color_edit(HDC dc) {
    SetTextColor(dc, to_colorref(kTextColour));
    SetBkColor(dc, to_colorref(kWhite));
    return g_app.white_brush;
}

HBRUSH on_ctl_color_static(HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    unsigned colour = kMutedTextColour;
    if (control == g_app.verdict_label)
        colour = verdict_colour(g_app.level);
    else if (control == g_app.result_box || control == g_app.note_label)
        colour = kTextColour;
    SetTextColor(dc, to_colorref(colour));
    return g_app.white_brush;
}
