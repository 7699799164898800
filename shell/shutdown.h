// The main window's shutdown: free, save, stop, quit.
#pragma once
#include <windows.h>

// Runs once per main window (closing and the quit command both end here).
void shutdown_main_window(HWND window);
