// Picking tiles: the first pick, its cancel, and the second pick that takes a pair.
#pragma once
#include <windows.h>

// The slot whose tile window this is, or -1.
int slot_of_window(HWND tile);

// 1 when the click accepted a pair for removal (first and second are set), else 0.
int pick_tile(HWND tile, HPALETTE palette, HDC surface, int* first, int* second);

// WM_PAI_CLICK of the main window: a pair still on show is settled first, then the pick.
void on_pai_click(HWND main, HWND tile);
