// Launches two programs in turn, N times each, and prints the median time
// until each exits (mode "exit") or until its window class exists (mode
// "window", then the window is closed), and the ratio of the first to the
// second. Interleaving the runs keeps a noisy machine fair to both.
//
// startup_timer N exit   "<command A>" "<command B>"
// startup_timer N window CLASS_A "<command A>" CLASS_B "<command B>"
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

double now_ms() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds of one launch, or a negative value on failure.
double time_once(const wchar_t* command, const wchar_t* window_class) {
    wchar_t line[2048];
    wcsncpy(line, command, 2047);
    line[2047] = 0;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double start = now_ms();
    if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    double elapsed = -1;
    if (!window_class) {
        WaitForSingleObject(pi.hProcess, 60000);
        elapsed = now_ms() - start;
    } else {
        for (;;) {
            if (HWND w = FindWindowW(window_class, nullptr)) {
                elapsed = now_ms() - start;
                PostMessageW(w, WM_CLOSE, 0, 0);
                break;
            }
            if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0 || now_ms() - start > 60000) break;
            Sleep(0);
        }
        if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool window = argc == 7 && std::wcscmp(argv[2], L"window") == 0;
    if (!(argc == 5 && std::wcscmp(argv[2], L"exit") == 0) && !window) {
        std::fprintf(stderr, "usage: startup_timer N exit CMD_A CMD_B | N window CLASS_A CMD_A CLASS_B CMD_B\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    const wchar_t* cmd[2] = {window ? argv[4] : argv[3], window ? argv[6] : argv[4]};
    const wchar_t* cls[2] = {window ? argv[3] : nullptr, window ? argv[5] : nullptr};
    std::vector<double> times[2];
    time_once(cmd[0], cls[0]);  // warm the file cache for both
    time_once(cmd[1], cls[1]);
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < 2; ++k) {
            const double t = time_once(cmd[k], cls[k]);
            if (t < 0) {
                std::fprintf(stderr, "launch %d failed\n", k);
                return 1;
            }
            times[k].push_back(t);
        }
    const double a = median(times[0]), b = median(times[1]);
    std::printf("median %.1f ms vs floor %.1f ms over %d runs: ratio %.2f\n", a, b, runs, a / b);
    return 0;
}
