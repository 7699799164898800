// The main window's shutdown: free, save, stop, quit.
#pragma once
#include <windows.h>

// Runs once per main window (closing and the quit command both end here).
void shutdown_main_window(HWND window);

// The session ends with the window open: what the shutdown saves is written now,
// for the process may be ended at any moment after and WM_DESTROY never comes.
void keep_settings_at_session_end(HWND window);
