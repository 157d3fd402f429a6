// The floor for the self-test: write a seven-line UTF-8 file and exit.
#include <windows.h>

#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    static const char kText[] =
        "TOOL|207|x|x\r\nLEVEL|0\r\nOUT|a|98.6|F\r\nOUT|b|310.15|K\r\nVERDICT|ok\r\n"
        "DETAIL|a b \r\nERRORS|0\r\n";
    FILE* f = _wfopen(L"floor.txt", L"wb");
    if (!f) return 3;
    const bool whole = fwrite(kText, 1, sizeof kText - 1, f) == sizeof kText - 1;
    return (fclose(f) == 0 && whole) ? 0 : 3;
}
