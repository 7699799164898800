// The shell's program-wide state.
#include "shell_state.h"

HWND main_window = nullptr;
HDC back_dc = nullptr;
HBITMAP back_bitmap = nullptr;
HBRUSH back_brush = nullptr;
HPEN path_pen = nullptr;
HFONT time_font = nullptr;
HMENU main_menu = nullptr;
HWND status_bar = nullptr;
HFONT status_font = nullptr;

int game_mode = 0;
int sound_on = 1;
int clock_timer_on = 1;
int elapsed_seconds = 0;
int game_over = 0;
int was_stuck = 0;
int omigoto_shown = 0;
int ranking_shown = 0;
