// The program entry: the self-test when "--selftest" stands anywhere on the
// command line, the window otherwise.
#include <windows.h>

#include "app/command_line.h"
#include "app/selftest.h"
#include "engine/text.h"
#include "ui/app_state.h"
#include "ui/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The parameter text lacks the program path, which the search includes.
    const char16_t* command_line = as_utf16(GetCommandLineW());
    if (const char16_t* after = find_selftest_option(command_line)) {
        char16_t path[kSelftestPathCapacity];
        extract_selftest_path(after, path, capacity_of(path));
        return write_selftest_report(path);
    }
    SetProcessDPIAware();
    return run_main_window(instance, get_builtin_tool());
}
