// The main window's creation sequence.
#pragma once
#include <windows.h>

// Runs inside WM_CREATE, before the window is ever visible.
void create_main_window_contents(HWND window);
