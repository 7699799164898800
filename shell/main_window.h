// The main window: its procedure and its creation.
#pragma once
#include <windows.h>

// Posted by the hint worker with its number as wParam: the board is stuck.
constexpr UINT WM_HINT_STUCK = WM_USER + 3;

LRESULT CALLBACK main_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Creates the main window (780 x 580, not yet shown); its creation sequence runs inside.
HWND create_main_window(HINSTANCE instance);
