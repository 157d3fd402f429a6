// Reads the running program from outside, for the end-to-end script:
//   command_probe origin            client origin of the main window on screen
//   command_probe text X Y          text of the control at client point X, Y
//   command_probe pixels X Y RRGGBB pixels of that colour on the control at X, Y
//   command_probe clipboard         the clipboard's Unicode text
//   command_probe box               caption, a tab and text of the open message box
//   command_probe close             asks the main window to close
// Texts are written as UTF-8 (Wine's console shows no "%ls").
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

HWND main_window() { return FindWindowW(L"VrelMedToolWnd", nullptr); }

void print(const wchar_t* text) {
    char bytes[32768];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    if (n > 0) std::fwrite(bytes, 1, n - 1, stdout);
}

HWND control_at(int x, int y) {
    POINT point{x, y};
    return ChildWindowFromPointEx(main_window(), point, CWP_SKIPINVISIBLE);
}

int count_pixels(HWND control, COLORREF colour) {
    RECT r;
    GetWindowRect(control, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<size_t>(w) * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    const DWORD want = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    int count = 0;
    for (DWORD p : pixels) count += (p & 0xFFFFFF) == want;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return count;
}

BOOL CALLBACK print_box(HWND window, LPARAM) {
    wchar_t name[16];
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32770") != 0 || GetWindow(window, GW_OWNER) != main_window() ||
        !IsWindowVisible(window))
        return TRUE;
    wchar_t text[4096];
    SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    print(text);
    print(L"\t");
    SendMessageW(GetDlgItem(window, 0xFFFF), WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    print(text);
    return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Bytes as they are: no CR in front of each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2 || !main_window()) return 2;
    const std::wstring what = argv[1];
    if (what == L"origin") {
        POINT origin{0, 0};
        ClientToScreen(main_window(), &origin);
        std::printf("%ld %ld\n", origin.x, origin.y);
    } else if (what == L"text" && argc == 4) {
        wchar_t text[8192] = L"";
        SendMessageW(control_at(_wtoi(argv[2]), _wtoi(argv[3])), WM_GETTEXT, 8192,
                     reinterpret_cast<LPARAM>(text));
        print(text);
    } else if (what == L"pixels" && argc == 5) {
        const unsigned long rgb = std::wcstoul(argv[4], nullptr, 16);
        const COLORREF colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        std::printf("%d\n", count_pixels(control_at(_wtoi(argv[2]), _wtoi(argv[3])), colour));
    } else if (what == L"clipboard") {
        if (!OpenClipboard(nullptr)) return 1;
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (data) {
            print(static_cast<const wchar_t*>(GlobalLock(data)));
            GlobalUnlock(data);
        }
        CloseClipboard();
        if (!data) return 1;
    } else if (what == L"box") {
        EnumWindows(print_box, 0);
    } else if (what == L"close") {
        PostMessageW(main_window(), WM_CLOSE, 0, 0);
    } else {
        return 2;
    }
    return 0;
}
