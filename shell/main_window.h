// The main window: its procedure and its creation.
#pragma once
#include <windows.h>

// Posted by the hint worker with its number as wParam: the board is stuck.
constexpr UINT WM_HINT_STUCK = WM_USER + 3;
// Posted by the hint worker with its number as wParam: a pair to light or put back,
// drawn by show_reported_pair.
constexpr UINT WM_HINT_PAIR = WM_USER + 4;
void show_reported_pair(WPARAM wparam, LPARAM lparam);

LRESULT CALLBACK main_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Creates the main window (780 x 580 at 96 DPI, its scale's size at others; not yet
// shown); its creation sequence runs inside.
HWND create_main_window(HINSTANCE instance);
