// The main window: start-up, window procedure and message loop.
#pragma once

#include <windows.h>

#include "engine/tool.h"

// Start-up up to the shown window with the focus in the first edit (fonts,
// brushes, class, window, controls); null when the window was not created.
HWND create_main_window(HINSTANCE instance, const ToolDef* tool);

// The whole program run in window mode: 0 after the window closed, 1 when it
// could not be created.
int run_main_window(HINSTANCE instance, const ToolDef* tool);

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Enter or F5 pressed in a control of the main window: the loop runs
// Calculate instead of passing the key on.
bool is_calculate_key(const MSG& message);

// Runs until WM_QUIT; returns the exit code 0.
int run_message_loop();
