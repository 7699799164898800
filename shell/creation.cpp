// The main window's creation: first-run offer, off-screen picture, switches, timers,
// the board, the child windows, the first time display and a look at whether the
// settings file can be written, in this order.
#include "creation.h"
#include "app_identity.h"
#include "art_sets.h"
#include "back_picture.h"
#include "banner_windows.h"
#include "board.h"
#include "clock.h"
#include "deal.h"
#include "display_scale.h"
#include "dpi.h"
#include "menu_checks.h"
#include "modal_boxes.h"
#include "program_icons.h"
#include "removal.h"
#include "rescale.h"
#include "resource.h"
#include "settings.h"
#include "settings_notice.h"
#include "settings_save.h"
#include "shell_state.h"
#include "shortcut.h"
#include "status_bar.h"
#include "tile_windows.h"
#include "turn_wait.h"

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

// The set for the window's DPI that fits its monitor, and the window's size at it:
// at 96 DPI the very size it was made at.
void take_scale_of(HWND window) {
  const int dpi = static_cast<int>(dpi_of(window));
  RECT place;
  GetWindowRect(window, &place);
  display_percent = main_percent(dpi, work_area_of(place));
  art_use_set(display_percent);
  const SIZE size = main_window_size(display_percent, dpi);
  SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The menu marks any non-zero value as easy mode or sound on; the switches are made
// to agree with it, so what the menu shows is what the game does.
void read_switches() {
  game_mode = ini_get_int("MODE", "mode", 0, SETTINGS_FILE_NAME) != 0 ? MODE_EASY : MODE_NORMAL;
  sound_on = ini_get_int("SOUND", "sound", 1, SETTINGS_FILE_NAME) != 0 ? 1 : 0;
}

// back_dc keeps the time's font and colours for the program's life.
void write_first_time() {
  TextOutW(back_dc, at_display_scale(TIME_TEXT_X), at_display_scale(TIME_TEXT_Y), L"00:00:00", 8);
}

}  // namespace

void create_main_window_contents(HWND window) {
  main_window = window;
  turn_wait_status = show_turn_wait;
  offer_shortcuts_on_first_run(window);
  take_scale_of(window);
  make_back_picture(window);
  read_switches();
  main_menu = GetMenu(window);
  set_menu_checks(main_menu, game_mode, sound_on);
  clock_timer_on = 1;
  SetTimer(window, TIMER_CLOCK, CLOCK_FIRST_PERIOD_MS, nullptr);
  game_over = 0;
  layout_cells(display_percent);
  create_omigoto_window(window);
  omigoto_shown = 0;
  create_tezumari_window(window);
  was_stuck = 0;
  new_deal(window, game_mode);
  create_pai_windows(window);
  if (dpi_of(window) != dpi_of(nullptr)) set_finger_for_dpi(static_cast<int>(dpi_of(window)));
  create_status_bar(window);
  removal_reset();
  write_first_time();
  elapsed_seconds = 0;
  SetTimer(window, TIMER_ELAPSED, ELAPSED_PERIOD_MS, nullptr);
  ranking_shown = 0;
  ask_for_settings_notice(window);
}
