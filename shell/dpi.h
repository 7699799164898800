// The main window's DPI, and its size at each display scale. The functions newer
// Windows has for this are looked up when first needed, so the program still starts
// where they are missing (Windows 7 and 8 use the system DPI instead).
#pragma once
#include <windows.h>

constexpr DWORD MAIN_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Lets Windows 10 of 2016 scale the caption and menu of a per-monitor window too
// (later ones do it by the manifest); to be called in WM_NCCREATE.
void scale_nonclient_area(HWND window);
// The client area at a scale in percent: the 96-DPI one (of the 780 x 580 window)
// times the scale, to the nearest pixel.
SIZE main_client_size(int percent);
// The whole window with that client area, caption, menu and frame at the DPI.
SIZE main_window_size(int percent, int dpi);
// The scale to lay the window out at: the set made for the DPI, or the largest smaller
// set whose window fits inside the work area (100 when none does).
int main_percent(int dpi, const RECT& work_area);
// The work area of the monitor that holds most of the rectangle.
RECT work_area_of(const RECT& rect);
// The work area of the monitor the window meets `dpi` on, near `place` (its place now,
// or the one Windows suggests there): the monitor at that DPI holding most of `place`,
// else the one holding most of it.
RECT work_area_at_dpi(int dpi, const RECT& place);
