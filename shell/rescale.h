// A move of the main window to a monitor of another scale.
#pragma once
#include <windows.h>

// Windows 10 of 2017 and later ask a window for its size at a new DPI before the move.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// Lays every part of the window out again at the scale for `dpi` and puts the window
// at the place Windows suggests. Nothing of the game changes: the pick, the hint's
// marks, the clock, a pair on show and any open box stay as they are.
void on_dpi_changed(HWND window, int dpi, const RECT& suggested);
// The size the window takes at `dpi` (its answer to WM_GETDPISCALEDSIZE).
SIZE size_at_dpi(HWND window, int dpi);
// The finger over the tiles and banners at the size for `dpi`, once they are made: the
// classes carry one for the system's DPI.
void set_finger_for_dpi(int dpi);
