#include "ui/main_window.h"

#include <iterator>

#include "engine/text.h"
#include "ui/app_state.h"
#include "ui/commands.h"
#include "ui/layout.h"
#include "ui/paint.h"

AppState g_app;

static_assert(kMainWindowStyle == (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
static_assert(kInputLabelStyle == (WS_CHILD | WS_VISIBLE | SS_RIGHT));
static_assert(kInputEditStyle == (WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL));
static_assert(kPlainStaticStyle == (WS_CHILD | WS_VISIBLE));
static_assert(kResultBoxStyle ==
              (WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY));
static_assert(kButtonStyle == (WS_CHILD | WS_VISIBLE | BS_OWNERDRAW));
static_assert(kButtons[0].id == kIdCalculate && kButtons[4].id == kIdAbout);

namespace {

constexpr wchar_t kClassName[] = L"VrelMedToolWnd";

HFONT create_font(const FontSpec& spec) {
    return CreateFontW(-spec.character_height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, as_wide(spec.face));
}

void create_fonts() {
    HFONT* const fonts[kFontCount] = {&g_app.title_font,   &g_app.header_font, &g_app.label_font,
                                      &g_app.edit_font,    &g_app.verdict_font, &g_app.result_font,
                                      &g_app.button_font,  &g_app.small_font};
    for (int i = 0; i < kFontCount; ++i) *fonts[i] = create_font(kFonts[i]);
}

void register_window_class() {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = 0;
    window_class.lpfnWndProc = main_window_proc;
    window_class.hInstance = g_app.instance;
    window_class.hIcon = LoadIconW(g_app.instance, MAKEINTRESOURCEW(1));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = g_app.background_brush;
    window_class.lpszClassName = kClassName;
    RegisterClassExW(&window_class);  // a failure shows when the window is created
}

HWND create_control(const wchar_t* class_name, DWORD ex_style, unsigned style,
                    const char16_t* text, LayoutRect rect, int id) {
    return CreateWindowExW(ex_style, class_name, as_wide(text), style, rect.x, rect.y, rect.width,
                           rect.height, g_app.main_window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_app.instance,
                           nullptr);
}

// Every control but the buttons gets its font; a null font leaves the
// system font.
HWND create_control(const wchar_t* class_name, DWORD ex_style, unsigned style,
                    const char16_t* text, LayoutRect rect, int id, HFONT font) {
    HWND control = create_control(class_name, ex_style, style, text, rect, id);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

void create_input_rows(const ToolDef* tool) {
    // input_edits holds the most inputs a tool has.
    const int count = tool->input_count < kMaxInputs ? tool->input_count : kMaxInputs;
    for (int i = 0; i < count; ++i) {
        const ToolInput& input = tool->inputs[i];
        create_control(L"STATIC", 0, kInputLabelStyle, input.label, input_label_rect(i), 0,
                       g_app.label_font);
        HWND edit = create_control(L"EDIT", WS_EX_CLIENTEDGE, kInputEditStyle, u"",
                                   input_edit_rect(i), kIdFirstInputEdit + i, g_app.edit_font);
        char16_t value[64];
        format_text(value, capacity_of(value), u"%.6g", input.default_value);
        SetWindowTextW(edit, as_wide(value));
        g_app.input_edits[i] = edit;
        if (input.unit && input.unit[0])
            create_control(L"STATIC", 0, kPlainStaticStyle, input.unit, unit_label_rect(i), 0,
                           g_app.small_font);
    }
}

void create_result_controls(const ToolDef* tool) {
    g_app.verdict_label = create_control(L"STATIC", 0, kPlainStaticStyle,
                                         u"填写左侧参数，点击“计算”", kVerdictRect, 0,
                                         g_app.verdict_font);
    g_app.result_box = create_control(L"EDIT", WS_EX_CLIENTEDGE, kResultBoxStyle, u"",
                                      kResultBoxRect, kIdResultBox, g_app.result_font);
    g_app.note_label = create_control(L"STATIC", 0, kPlainStaticStyle,
                                      tool->note ? tool->note : u"", kNoteRect, 0,
                                      g_app.small_font);
    char16_t basis[512];
    format_text(basis, capacity_of(basis), u"参考依据：%ls", tool->basis);
    create_control(L"STATIC", 0, kPlainStaticStyle, basis, kBasisRect, 0, g_app.small_font);
}

void create_buttons() {
    const char16_t* const captions[] = {u"计算 (F5)", u"保存记录", u"复制结果", u"清空重填",
                                        u"关于"};
    static_assert(std::size(captions) == std::size(kButtons));
    for (int i = 0; i < capacity_of(kButtons); ++i)
        create_control(L"BUTTON", 0, kButtonStyle, captions[i], kButtons[i].rect, kButtons[i].id);
}

LRESULT on_create(HWND window) {
    g_app.main_window = window;
    for (HWND& edit : g_app.input_edits) edit = nullptr;
    create_input_rows(g_app.tool);
    create_result_controls(g_app.tool);
    create_buttons();
    text_copy(g_app.status_text, capacity_of(g_app.status_text),
              u"就绪：填写参数后按 F5 或点击“计算”");
    return 0;
}

// Depends on no state: it may come before WM_CREATE.
LRESULT on_get_min_max_info(MINMAXINFO* info) {
    info->ptMinTrackSize = {kTrackWidth, kTrackHeight};
    info->ptMaxTrackSize = {kTrackWidth, kTrackHeight};
    return 0;
}

LRESULT on_command(HWND window, WPARAM wparam, LPARAM lparam) {
    if (run_command(LOWORD(wparam))) return 0;
    return DefWindowProcW(window, WM_COMMAND, wparam, lparam);
}

}  // namespace

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_PAINT: paint_main_window(window); return 0;
    case WM_PRINTCLIENT: paint_client(window, reinterpret_cast<HDC>(wparam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETMINMAXINFO: return on_get_min_max_info(reinterpret_cast<MINMAXINFO*>(lparam));
    case WM_DRAWITEM:
        draw_owner_button(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        return TRUE;
    case WM_COMMAND: return on_command(window, wparam, lparam);
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<LRESULT>(on_ctl_color_edit(reinterpret_cast<HDC>(wparam)));
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            on_ctl_color_static(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)));
    default: return DefWindowProcW(window, message, wparam, lparam);
    }
}

HWND create_main_window(HINSTANCE instance, const ToolDef* tool) {
    g_app.instance = instance;
    g_app.tool = tool;
    g_app.level = 0;
    g_app.report_copy[0] = 0;
    create_fonts();
    g_app.white_brush = CreateSolidBrush(to_colorref(kWhite));
    g_app.background_brush = CreateSolidBrush(to_colorref(kPageColour));
    register_window_class();

    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, kMainWindowStyle, FALSE);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const WindowPosition at = centred_position(GetSystemMetrics(SM_CXSCREEN),
                                               GetSystemMetrics(SM_CYSCREEN), width, height);
    HWND window = CreateWindowExW(0, kClassName, as_wide(tool->name), kMainWindowStyle, at.x,
                                  at.y, width, height, nullptr, nullptr, instance, nullptr);
    g_app.main_window = window;
    if (!window) return nullptr;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetFocus(g_app.input_edits[0]);
    return window;
}

bool is_calculate_key(const MSG& message) {
    return message.message == WM_KEYDOWN &&
           (message.wParam == VK_RETURN || message.wParam == VK_F5) &&
           IsChild(g_app.main_window, message.hwnd);
}

int run_message_loop() {
    MSG message;
    // GetMessageW gives -1 on failure; that ends the loop too.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (is_calculate_key(message)) {
            on_calculate();  // the key goes no further, so no WM_CHAR follows
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

int run_main_window(HINSTANCE instance, const ToolDef* tool) {
    if (!create_main_window(instance, tool)) return 1;
    return run_message_loop();
}
