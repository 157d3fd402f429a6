#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"

namespace {

constexpr unsigned kUntouched = 0xFF00FF;

// A 32-bit top-down bitmap in a memory device context, filled with magenta.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    unsigned* pixels = nullptr;
    int width;
    int height;

    Canvas(int w, int h) : width(w), height(h) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0);
        old = SelectObject(dc, bitmap);
        for (int i = 0; i < w * h; ++i) pixels[i] = kUntouched;
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    unsigned at(int x, int y) const {
        GdiFlush();
        return pixels[y * width + x] & 0xFFFFFF;  // 0x00RRGGBB in a DIB
    }
};

struct Sample {
    int x, y;
    unsigned colour;
    const char* what;
};

void expect_samples(const Canvas& canvas, std::initializer_list<Sample> samples) {
    for (const Sample& s : samples)
        EXPECT_EQ(canvas.at(s.x, s.y), s.colour) << s.what << " at " << s.x << "," << s.y;
}

TEST(Painting, ClientAreaThroughPrintClient) {
    OpenWindow open;
    ASSERT_NE(open.window, nullptr);
    RECT client;
    GetClientRect(open.window, &client);
    const int w = client.right, h = client.bottom;
    Canvas canvas(w, h);
    SendMessageW(open.window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc), PRF_CLIENT);
    expect_samples(canvas, {
        {10, 300, 0xF4F7F9, "page left of the panels"},
        {468, 300, 0xF4F7F9, "page between the panels"},
        {w - 5, 300, 0xF4F7F9, "page right of the result panel"},
        {300, 92, 0xF4F7F9, "page under the header"},
        {100, 654, 0xF4F7F9, "page between panels and bottom bar"},
        {400, 5, 0x006C96, "header band"},
        {760, 80, 0x006C96, "header band right of the subtitle"},
        {w - 10, 60, 0x006C96, "header band at the right edge"},
        {0, 0, 0x0084B0, "accent strip"},
        {7, 87, 0x0084B0, "accent strip"},
        {8, 44, 0x006C96, "header band after the strip"},
        {20, 300, 0xDAE2E8, "input panel outline, left"},
        {459, 300, 0xDAE2E8, "input panel outline, right"},
        {200, 96, 0xDAE2E8, "input panel outline, top"},
        {200, 647, 0xDAE2E8, "input panel outline, bottom"},
        {21, 97, 0xFFFFFF, "input panel fill"},
        {300, 500, 0xFFFFFF, "input panel fill"},
        {476, 300, 0xDAE2E8, "result panel outline, left"},
        {999, 300, 0xDAE2E8, "result panel outline, right"},
        {700, 647, 0xDAE2E8, "result panel outline, bottom"},
        {990, 500, 0xFFFFFF, "result panel fill"},
        {36, 133, 0xE4EAEE, "input title underline"},
        {443, 133, 0xE4EAEE, "input title underline end"},
        {444, 133, 0xFFFFFF, "after the input underline"},
        {300, 134, 0xFFFFFF, "below the input underline"},
        {492, 133, 0xE4EAEE, "result title underline"},
        {983, 133, 0xE4EAEE, "result title underline end"},
        {5, 665, 0xECF1F4, "bottom bar"},
        {800, 690, 0xECF1F4, "bottom bar above the status line"},
        {w - 1, 719, 0xECF1F4, "bottom bar, last pixel"},
    });
    if (h > 720) {
        EXPECT_EQ(canvas.at(10, 720), 0xF4F7F9u) << "page below the bottom bar";
    }
}

// The same pixels whatever paints: WM_PAINT into the window and
// WM_PRINTCLIENT into a bitmap go through one function.
TEST(Painting, EraseBackgroundLeavesTheCanvasAlone) {
    OpenWindow open;
    Canvas canvas(40, 40);
    EXPECT_EQ(SendMessageW(open.window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc), 0), 1);
    EXPECT_EQ(canvas.at(20, 20), kUntouched);
}

// Pixels of the button's caption: neither its fill nor its outline.
int caption_pixels(const Canvas& canvas, unsigned fill) {
    int n = 0;
    for (int y = 6; y < 42; ++y)
        for (int x = 6; x < 154; ++x) n += canvas.at(x, y) != fill;
    return n;
}

TEST(Painting, OwnerDrawnButtonsInBothStates) {
    OpenWindow open;
    struct Case {
        int id;
        UINT state;
        unsigned fill;
        unsigned outline;
    };
    const Case cases[] = {
        {1001, 0, 0x007AA8, 0x006A94},
        {1001, ODS_SELECTED, 0x00648A, 0x006A94},
        {1001, ODS_SELECTED | ODS_FOCUS, 0x00648A, 0x006A94},
        {1002, 0, 0xFFFFFF, 0xCED8E0},
        {1005, ODS_SELECTED, 0xE2EAF0, 0xCED8E0},
        {1004, ODS_FOCUS | ODS_DISABLED, 0xFFFFFF, 0xCED8E0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " state " << c.state);
        Canvas canvas(160, 48);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(c.id);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = c.state;
        item.hwndItem = GetDlgItem(open.window, c.id);
        item.hDC = canvas.dc;
        item.rcItem = {4, 4, 156, 44};
        EXPECT_EQ(SendMessageW(open.window, WM_DRAWITEM, static_cast<WPARAM>(c.id),
                               reinterpret_cast<LPARAM>(&item)), TRUE);
        expect_samples(canvas, {
            {6, 6, c.fill, "fill"},
            {150, 40, c.fill, "fill"},
            {4, 20, c.outline, "outline, left"},
            {155, 20, c.outline, "outline, right"},
            {80, 4, c.outline, "outline, top"},
            {80, 43, c.outline, "outline, bottom"},
            {3, 20, kUntouched, "outside"},
            {156, 44, kUntouched, "outside"},
        });
        EXPECT_GT(caption_pixels(canvas, c.fill), 20) << "no caption drawn";
        // A focus rectangle would be drawn one pixel inside the outline.
        EXPECT_EQ(canvas.at(5, 20), c.fill);
    }
}

TEST(Painting, ControlColours) {
    OpenWindow open;
    Canvas canvas(4, 4);
    const WPARAM dc = reinterpret_cast<WPARAM>(canvas.dc);
    auto colour_of = [&](HWND control) {
        SetTextColor(canvas.dc, RGB(1, 2, 3));
        SetBkMode(canvas.dc, OPAQUE);
        const LRESULT brush = SendMessageW(open.window, WM_CTLCOLORSTATIC, dc, reinterpret_cast<LPARAM>(control));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), g_app.white_brush);
        EXPECT_EQ(GetBkMode(canvas.dc), TRANSPARENT);
        return GetTextColor(canvas.dc);
    };
    struct Level {
        int level;
        COLORREF colour;
    };
    for (const Level l : {Level{0, RGB(0x00, 0x80, 0x60)}, Level{1, RGB(0xB0, 0x84, 0x00)},
                          Level{2, RGB(0xD6, 0x6C, 0x00)}, Level{3, RGB(0xBE, 0x1E, 0x2D)},
                          Level{4, RGB(0x00, 0x80, 0x60)}, Level{-1, RGB(0x00, 0x80, 0x60)}}) {
        g_app.level = l.level;
        EXPECT_EQ(colour_of(g_app.verdict_label), l.colour) << "level " << l.level;
    }
    g_app.level = 3;
    EXPECT_EQ(colour_of(g_app.result_box), RGB(0x2C, 0x38, 0x42));
    EXPECT_EQ(colour_of(g_app.note_label), RGB(0x2C, 0x38, 0x42));
    HWND input_label = GetWindow(open.window, GW_CHILD);
    EXPECT_EQ(colour_of(input_label), RGB(0x78, 0x84, 0x8E));
    HWND basis_label = GetWindow(g_app.note_label, GW_HWNDNEXT);
    EXPECT_EQ(colour_of(basis_label), RGB(0x78, 0x84, 0x8E));
    g_app.level = 0;

    SetTextColor(canvas.dc, RGB(1, 2, 3));
    const LRESULT brush = SendMessageW(open.window, WM_CTLCOLOREDIT, dc,
                                       reinterpret_cast<LPARAM>(g_app.input_edits[0]));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), g_app.white_brush);
    EXPECT_EQ(GetTextColor(canvas.dc), RGB(0x2C, 0x38, 0x42));
    EXPECT_EQ(GetBkColor(canvas.dc), RGB(0xFF, 0xFF, 0xFF));
}

}  // namespace
