// The main window's creation: first-run offer, off-screen picture, switches, timers,
// the board, the child windows, the first time display and a look at whether the
// settings file can be written, in this order.
#include "creation.h"
#include "app_identity.h"
#include "banner_windows.h"
#include "board.h"
#include "clock.h"
#include "deal.h"
#include "menu_checks.h"
#include "modal_boxes.h"
#include "removal.h"
#include "resource.h"
#include "settings.h"
#include "settings_notice.h"
#include "settings_save.h"
#include "shell_state.h"
#include "shortcut.h"
#include "status_bar.h"
#include "tile_windows.h"

namespace {

void offer_shortcuts_on_first_run(HWND window) {
  settings_recover();
  if (ini_exists(SETTINGS_FILE_NAME)) return;
  shortcut_startup = 0;
  shortcut_desktop = 0;
  shortcut_startmenu = 0;
  if (!take_modal_place()) return;
  shortcut_dialog_run(app_instance, window, app_title);
  give_back_modal_place();
}

void make_back_picture(HWND window) {
  HDC dc = GetDC(window);
  back_dc = CreateCompatibleDC(dc);
  back_bitmap = CreateCompatibleBitmap(dc, BACK_WIDTH, BACK_HEIGHT);
  SelectObject(back_dc, back_bitmap);
  HBITMAP pattern = LoadBitmapA(app_instance, MAKEINTRESOURCEA(IDB_BACKGROUND));
  back_brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);   // the brush keeps its own copy
  SelectObject(back_dc, back_brush);
  PatBlt(back_dc, 0, 0, BACK_WIDTH, BACK_HEIGHT, PATCOPY);
  path_pen = CreatePen(PS_DASH, 10, RGB(0, 255, 255));
  SelectObject(back_dc, path_pen);
  ReleaseDC(window, dc);
}

// The menu marks any non-zero value as easy mode or sound on; the switches are made
// to agree with it, so what the menu shows is what the game does.
void read_switches() {
  game_mode = ini_get_int("MODE", "mode", 0, SETTINGS_FILE_NAME) != 0 ? MODE_EASY : MODE_NORMAL;
  sound_on = ini_get_int("SOUND", "sound", 1, SETTINGS_FILE_NAME) != 0 ? 1 : 0;
}

// The face name goes to GDI in UTF-16: GDI reads an ANSI name in the system's code
// page, not in the one the program's manifest asks for, and would miss the face on a
// Windows of another language.
void make_time_font() {
  if (time_font) return;
  time_font = CreateFontW(20, 0, 0, 0, 900, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                          DEFAULT_PITCH | FF_ROMAN, L"MS 明朝");
}

// back_dc keeps this font and these colours for the program's life.
void write_first_time() {
  SelectObject(back_dc, time_font);
  SetBkMode(back_dc, TRANSPARENT);
  SetTextColor(back_dc, RGB(255, 0, 255));
  TextOutW(back_dc, TIME_TEXT_X, TIME_TEXT_Y, L"00:00:00", 8);
}

}  // namespace

void create_main_window_contents(HWND window) {
  main_window = window;
  offer_shortcuts_on_first_run(window);
  make_back_picture(window);
  read_switches();
  main_menu = GetMenu(window);
  set_menu_checks(main_menu, game_mode, sound_on);
  clock_timer_on = 1;
  SetTimer(window, TIMER_CLOCK, CLOCK_FIRST_PERIOD_MS, nullptr);
  game_over = 0;
  layout_cells();
  create_omigoto_window(window);
  omigoto_shown = 0;
  create_tezumari_window(window);
  was_stuck = 0;
  new_deal(window, game_mode);
  create_pai_windows(window);
  create_status_bar(window);
  removal_reset();
  make_time_font();
  write_first_time();
  elapsed_seconds = 0;
  SetTimer(window, TIMER_ELAPSED, ELAPSED_PERIOD_MS, nullptr);
  ranking_shown = 0;
  ask_for_settings_notice(window);
}
