// The 144 tile windows: one child window per slot, cut to the tile's outline.
#pragma once
#include <windows.h>

constexpr UINT WM_PAI_CLICK = WM_USER + 2;
extern HPALETTE pai_palette;
extern int pai_color_count;
void create_pai_windows(HWND main_window);      // fills pai_windows (rules/board.h) and shows them
void place_pai_windows();                       // to tile_rects at the display scale, after a new layout; the caller redraws
LRESULT CALLBACK pai_wnd_proc(HWND, UINT, WPARAM, LPARAM);
