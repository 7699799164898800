// The two times on screen: the date-and-time line of the status bar and the
// elapsed-time figures in the top right of the main window.
#pragma once
#include <windows.h>

// At 96 DPI; drawn at the display scale.
constexpr int TIME_TEXT_X = 660;
constexpr int TIME_TEXT_Y = 10;
constexpr RECT TIME_STRIP = {600, 10, 600 + 800, 10 + 30};   // wiped before new figures

// The clock line for a given local time (so tests need no real clock).
void format_clock_line(const SYSTEMTIME& time, char* out, int out_size);
// Puts the clock line of the current local time into the status bar.
void show_clock();

// "hh:mm:ss" of a second count, at least two digits each.
void format_elapsed(int seconds, char* out, int out_size);
// Wipes the elapsed-time strip and writes elapsed_seconds, into back_dc and on screen.
void draw_time();
// The same with "00:00:00".
void clear_time_display();
