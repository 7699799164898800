// The shell's program-wide state: drawing objects, switches, game-flow flags, timers.
#pragma once
#include <windows.h>

constexpr UINT_PTR TIMER_CLOCK = 1;
constexpr UINT_PTR TIMER_REMOVE = 2;
constexpr UINT_PTR TIMER_ELAPSED = 3;
constexpr UINT CLOCK_FIRST_PERIOD_MS = 1000;
constexpr UINT CLOCK_RESTART_PERIOD_MS = 100;
constexpr UINT REMOVE_PERIOD_MS = 200;
constexpr UINT ELAPSED_PERIOD_MS = 1000;
constexpr int ELAPSED_LIMIT = 359999;     // 99:59:59; the next second shows 00:00:00
constexpr int HINT_PENALTY_SECONDS = 10;
constexpr int OMIGOTO_TIME_LIMIT = 180;   // cleared in fewer seconds earns the banner
constexpr int MAIN_WIDTH = 780;
constexpr int MAIN_HEIGHT = 580;
constexpr int BACK_WIDTH = 800;
constexpr int BACK_HEIGHT = 600;

extern HWND main_window;
extern HDC back_dc;
extern HBITMAP back_bitmap;
extern HBRUSH back_brush;
extern HPEN path_pen;
extern HFONT time_font;
extern HMENU main_menu;
extern HWND status_bar;
extern HFONT status_font;   // the bar's, made by the program at the window's DPI

extern int game_mode;
extern int sound_on;
extern int clock_timer_on;
extern int elapsed_seconds;
extern int game_over;
extern int was_stuck;
extern int omigoto_shown;
extern int ranking_shown;
