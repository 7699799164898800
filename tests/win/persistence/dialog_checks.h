// Opening the program's dialogs as the game does and checking them as a player sees them,
// and the ranking table they show.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "ranking_expect.h"

INT_PTR run_dialog(int dialog_id, DLGPROC procedure, LPARAM parameter);
bool is_open(HWND dialog);
// A control's rectangle in the dialog's client area, and the same from dialog units.
RECT control_rect(HWND dialog, int control_id);
RECT units_rect(HWND dialog, int x, int y, int width, int height);
void expect_control_at(HWND dialog, int control_id, int x, int y, int width, int height);
// Children without an id of their own (static texts, icons), found by their place.
HWND child_at(HWND dialog, int x, int y);
void expect_dialog_frame(HWND dialog, int width, int height, const char* caption,
                         const char* font_face, int font_points);
std::vector<int> tab_order(HWND dialog);
bool is_read_only(HWND edit);
// Esc and the close keystroke (and a close request) leave the dialog open.
void expect_stays_open_on_escape_and_close(HWND dialog);
COLORREF pixel_in(HWND control, int x, int y);

// The table a settings file without ranking keys gives.
RankingTable default_ranking();
void expect_same_ranking(const RankingTable& expected, const RankingTable& actual);
