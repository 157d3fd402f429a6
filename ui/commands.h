// The five commands of the bottom bar (Win32 side).
#pragma once

// Control ids of the buttons.
constexpr int kIdCalculate = 1001;
constexpr int kIdSaveRecord = 1002;
constexpr int kIdCopyResult = 1003;
constexpr int kIdReset = 1004;
constexpr int kIdAbout = 1005;

void on_calculate();
void on_copy_result();
void on_reset();
void on_about();
void save_record();

// Runs the command of a WM_COMMAND's low word; false for any other id, which
// the window procedure hands to DefWindowProcW.
bool run_command(int id);
