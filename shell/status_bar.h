// The status bar: its one text, the menu help texts and the clock timer's restarts.
#pragma once
#include <windows.h>

// Creates the bar along the bottom edge, in simple mode so that its one text shows.
void create_status_bar(HWND main);
// The bar's text at the system's status font for `dpi`, and the bar along the bottom
// edge again. The bar itself makes its font once, at the DPI of its making.
void fit_status_bar(UINT dpi);

// The bar's one text; the bar keeps its own copy.
void set_status_text(const char* text);

// The pointer over the caption, menu bar or frame (screen coordinates): a help text
// over "一手戻る" and "ヒント" (the clock stops), else the clock comes back.
void show_menu_help(HWND main, int* clock_on, POINT screen_point);
// The pointer over the client area: the clock comes back if it was stopped.
void restart_clock(HWND main);
// While a save or a read waits for the settings file's turn: a line that says so,
// then the clock's again.
void show_turn_wait(int waiting);
