// The stuck and cleared banners: hidden picture windows above the tiles.
#pragma once
#include <windows.h>

extern HWND omigoto_window, tezumari_window;
extern HPALETTE omigoto_palette, tezumari_palette;
extern int omigoto_color_count, tezumari_color_count;
void create_omigoto_window(HWND main_window);
void create_tezumari_window(HWND main_window);
void place_banners();   // at the display scale, after a new layout
LRESULT CALLBACK omigoto_wnd_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK tezumari_wnd_proc(HWND, UINT, WPARAM, LPARAM);
