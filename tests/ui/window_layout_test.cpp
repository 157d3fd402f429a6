#include <gtest/gtest.h>

#include <vector>

#include "engine/text.h"
#include "tests/ui/window_fixture.h"
#include "ui/layout.h"

namespace {

std::u16string ascii(const char* text) { return std::u16string(text, text + strlen(text)); }

std::vector<HWND> children(HWND window) {
    std::vector<HWND> list;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) {
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&list));
    return list;
}

struct Expected {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
    int id;
    RECT rect;  // left, top, right, bottom
    std::u16string text;
    HFONT font;
};

void expect_controls(HWND window, const std::vector<Expected>& expected) {
    const std::vector<HWND> list = children(window);
    ASSERT_EQ(list.size(), expected.size());
    for (size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(i);
        const Expected& e = expected[i];
        HWND c = list[i];
        wchar_t class_name[32];
        GetClassNameW(c, class_name, 32);
        EXPECT_STREQ(class_name, e.class_name);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(c, GWL_STYLE)), e.style);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(c, GWL_EXSTYLE)), e.ex_style);
        EXPECT_EQ(GetDlgCtrlID(c), e.id);
        const RECT r = child_rect(c);
        EXPECT_EQ(r.left, e.rect.left);
        EXPECT_EQ(r.top, e.rect.top);
        EXPECT_EQ(r.right, e.rect.right);
        EXPECT_EQ(r.bottom, e.rect.bottom);
        EXPECT_EQ(window_text(c), e.text);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)), e.font);
    }
}

constexpr DWORD kStatic = 0x50000000, kLabel = 0x50000002, kEdit = 0x50000080,
                kResult = 0x50200844, kButton = 0x5000000B;

std::vector<Expected> result_and_buttons(const ToolDef* tool) {
    char16_t basis[512];
    format_text(basis, 512, u"参考依据：%ls", tool->basis);
    return {
        {L"Static", kStatic, 0, 0, {492, 142, 984, 188}, u"填写左侧参数，点击“计算”", g_app.verdict_font},
        {L"Edit", kResult, WS_EX_CLIENTEDGE, 3000, {492, 196, 984, 428}, u"", g_app.result_font},
        {L"Static", kStatic, 0, 0, {492, 444, 984, 564}, tool->note ? tool->note : u"", g_app.small_font},
        {L"Static", kStatic, 0, 0, {492, 576, 984, 632}, basis, g_app.small_font},
        {L"Button", kButton, 0, 1001, {20, 668, 172, 708}, u"计算 (F5)", nullptr},
        {L"Button", kButton, 0, 1002, {184, 668, 316, 708}, u"保存记录", nullptr},
        {L"Button", kButton, 0, 1003, {328, 668, 460, 708}, u"复制结果", nullptr},
        {L"Button", kButton, 0, 1004, {472, 668, 604, 708}, u"清空重填", nullptr},
        {L"Button", kButton, 0, 1005, {616, 668, 726, 708}, u"关于", nullptr},
    };
}

TEST(MainWindow, BuiltinToolControlsFromTheTables) {
    const ToolDef* tool = get_builtin_tool();
    OpenWindow open;
    ASSERT_NE(open.window, nullptr);
    std::vector<Expected> expected = {
        {L"Static", kLabel, 0, 0, {24, 151, 208, 173}, tool->inputs[0].label, g_app.label_font},
        {L"Edit", kEdit, WS_EX_CLIENTEDGE, 2000, {216, 146, 368, 173}, ascii("37"), g_app.edit_font},
        {L"Static", kStatic, 0, 0, {374, 150, 452, 172}, tool->inputs[0].unit, g_app.small_font},
    };
    for (const Expected& e : result_and_buttons(tool)) expected.push_back(e);
    expect_controls(open.window, expected);

    EXPECT_EQ(g_app.main_window, open.window);
    EXPECT_EQ(g_app.input_edits[0], GetDlgItem(open.window, 2000));
    EXPECT_EQ(g_app.input_edits[1], nullptr);
    EXPECT_EQ(g_app.result_box, GetDlgItem(open.window, 3000));
    EXPECT_EQ(g_app.verdict_label, children(open.window)[3]);
    EXPECT_EQ(g_app.note_label, children(open.window)[5]);
    EXPECT_EQ(GetFocus(), g_app.input_edits[0]);
    EXPECT_EQ(g_app.level, 0);
    EXPECT_EQ(g_app.report_copy[0], 0);
    EXPECT_EQ(std::u16string(g_app.status_text), u"就绪：填写参数后按 F5 或点击“计算”");
}

TEST(MainWindow, InputRowsStep34PixelsWithOrWithoutUnit) {
    const ToolDef& builtin = *get_builtin_tool();
    const char16_t* const units[] = {builtin.inputs[0].unit, nullptr, u""};
    const double defaults[] = {36.5, 0.1, 1234567, 37, -2.5e-7, 100000};
    const char* const shown[] = {"36.5", "0.1", "1.23457e+06", "37", "-2.5e-07", "100000"};
    ToolInput inputs[kMaxInputs];
    for (int i = 0; i < kMaxInputs; ++i)
        inputs[i] = {"c", builtin.inputs[0].label, units[i % 3], defaults[i % 6]};
    ToolDef tool = builtin;
    tool.input_count = kMaxInputs;
    tool.inputs = inputs;
    tool.note = nullptr;
    tool.subtitle = nullptr;
    OpenWindow open(&tool);
    ASSERT_NE(open.window, nullptr);

    std::vector<Expected> expected;
    for (int i = 0; i < kMaxInputs; ++i) {
        const int y = 150 + 34 * i;
        expected.push_back({L"Static", kLabel, 0, 0, {24, y + 1, 208, y + 23}, inputs[i].label,
                            g_app.label_font});
        expected.push_back({L"Edit", kEdit, WS_EX_CLIENTEDGE, 2000 + i, {216, y - 4, 368, y + 23},
                            ascii(shown[i % 6]), g_app.edit_font});
        if (i % 3 == 0)
            expected.push_back({L"Static", kStatic, 0, 0, {374, y, 452, y + 22}, inputs[i].unit,
                                g_app.small_font});
    }
    for (const Expected& e : result_and_buttons(&tool)) expected.push_back(e);
    expect_controls(open.window, expected);
    for (int i = 0; i < kMaxInputs; ++i) EXPECT_EQ(g_app.input_edits[i], GetDlgItem(open.window, 2000 + i));
    EXPECT_EQ(child_rect(g_app.input_edits[14]).bottom, 649);
}

TEST(MainWindow, ToolWithoutInputsHasNoRowsAndNoFocus) {
    ToolDef tool = *get_builtin_tool();
    tool.input_count = 0;
    OpenWindow open(&tool);
    ASSERT_NE(open.window, nullptr);
    EXPECT_EQ(children(open.window).size(), 9u);
    EXPECT_EQ(GetDlgItem(open.window, 2000), nullptr);
    EXPECT_EQ(g_app.input_edits[0], nullptr);
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == nullptr || focus == open.window);
}

TEST(MainWindow, TitleClassAndStyles) {
    OpenWindow open;
    ASSERT_NE(open.window, nullptr);
    EXPECT_EQ(window_text(open.window), get_builtin_tool()->name);
    wchar_t class_name[32];
    GetClassNameW(open.window, class_name, 32);
    EXPECT_STREQ(class_name, L"VrelMedToolWnd");
    EXPECT_EQ(GetClassLongPtrW(open.window, GCL_STYLE), 0u);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrW(open.window, GCLP_HBRBACKGROUND)),
              g_app.background_brush);
    EXPECT_EQ(GetClassLongPtrW(open.window, GCLP_WNDPROC),
              reinterpret_cast<ULONG_PTR>(&main_window_proc));
    const DWORD style = static_cast<DWORD>(GetWindowLongW(open.window, GWL_STYLE));
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x00CA0000u);
    EXPECT_TRUE(style & WS_VISIBLE);
    // The system adds the window edge to every captioned window.
    EXPECT_EQ(GetWindowLongW(open.window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);

    // Centred for the size that AdjustWindowRect gives.
    RECT frame = {0, 0, 1020, 720};
    AdjustWindowRect(&frame, 0x00CA0000, FALSE);
    RECT placed;
    GetWindowRect(open.window, &placed);
    EXPECT_EQ(placed.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(placed.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
    RECT client;
    GetClientRect(open.window, &client);
    EXPECT_GE(client.right, 1020);
    EXPECT_GE(client.bottom, 720);
}

TEST(MainWindow, CentringNeverGoesNegative) {
    struct Case {
        int screen_width, screen_height, width, height, x, y;
    };
    for (const Case c : {Case{1280, 1024, 1026, 749, 127, 137}, Case{1027, 750, 1026, 749, 0, 0},
                         Case{1025, 748, 1026, 749, 0, 0}, Case{800, 600, 1026, 749, 0, 0},
                         Case{1920, 600, 1026, 749, 447, 0}, Case{640, 1080, 1026, 749, 0, 165}}) {
        const WindowPosition at = centred_position(c.screen_width, c.screen_height, c.width, c.height);
        EXPECT_EQ(at.x, c.x) << c.screen_width;
        EXPECT_EQ(at.y, c.y) << c.screen_height;
    }
}

TEST(MainWindow, TrackingSizeIsFixed) {
    OpenWindow open;
    MINMAXINFO info;
    memset(&info, 0x5A, sizeof info);
    EXPECT_EQ(SendMessageW(open.window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 1036);
    EXPECT_EQ(info.ptMinTrackSize.y, 780);
    EXPECT_EQ(info.ptMaxTrackSize.x, 1036);
    EXPECT_EQ(info.ptMaxTrackSize.y, 780);
}

TEST(MainWindow, EightFontsFromTheTable) {
    OpenWindow open;
    struct Font {
        HFONT handle;
        int height;
        int weight;
        const wchar_t* face;
    };
    const Font fonts[] = {
        {g_app.title_font, -27, 700, L"Microsoft YaHei UI"}, {g_app.header_font, -14, 400, L"Microsoft YaHei UI"},
        {g_app.label_font, -14, 400, L"Microsoft YaHei UI"}, {g_app.edit_font, -15, 400, L"Microsoft YaHei UI"},
        {g_app.verdict_font, -21, 700, L"Microsoft YaHei UI"}, {g_app.result_font, -15, 400, L"Consolas"},
        {g_app.button_font, -15, 400, L"Microsoft YaHei UI"}, {g_app.small_font, -12, 400, L"Microsoft YaHei UI"},
    };
    for (const Font& f : fonts) {
        SCOPED_TRACE(f.height);
        LOGFONTW font;
        ASSERT_EQ(GetObjectW(f.handle, sizeof font, &font), static_cast<int>(sizeof font));
        EXPECT_EQ(font.lfHeight, f.height);
        EXPECT_EQ(font.lfWidth, 0);
        EXPECT_EQ(font.lfWeight, f.weight);
        EXPECT_STREQ(font.lfFaceName, f.face);
        EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
        EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(font.lfOutPrecision, OUT_DEFAULT_PRECIS);
        EXPECT_EQ(font.lfClipPrecision, CLIP_DEFAULT_PRECIS);
        EXPECT_EQ(font.lfQuality, CLEARTYPE_QUALITY);
        EXPECT_EQ(font.lfPitchAndFamily, DEFAULT_PITCH | FF_DONTCARE);
    }
    EXPECT_NE(g_app.header_font, g_app.label_font);
}

}  // namespace
