// The command table, the four keys, and the commands that are not game flow.
#include "commands.h"
#include "about_dialog.h"
#include "banner_windows.h"
#include "game_flow.h"
#include "hint.h"
#include "menu_checks.h"
#include "modal_boxes.h"
#include "ranking.h"
#include "removal.h"
#include "resource.h"
#include "shell_open.h"
#include "shell_state.h"

namespace {

void send_command(HWND main, int id) { SendMessageW(main, WM_COMMAND, id, 0); }

void hide_if_visible(HWND window) {
  if (IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
}

// Closing and quitting end the same way: the window's destruction runs the shutdown.
void quit(HWND main) { DestroyWindow(main); }

void show_about(HWND main) { show_modal_dialog(main, IDD_ABOUT, about_dialog_proc, 0); }

// Looking at the ranking pauses the game's time.
void view_ranking(HWND main) {
  KillTimer(main, TIMER_ELAPSED);
  show_modal_dialog(main, IDD_RANKING, ranking_dialog_proc, 0);
  if (game_over == 0) SetTimer(main, TIMER_ELAPSED, ELAPSED_PERIOD_MS, nullptr);
}

// Choosing a mode always deals anew, even the mode already chosen.
void choose_mode(HWND main, int mode) {
  game_mode = mode;
  set_menu_checks(main_menu, game_mode, sound_on);
  send_command(main, IDM_NEW_GAME);
}

void choose_sound(int on) {
  sound_on = on;
  set_menu_checks(main_menu, game_mode, sound_on);
}

}  // namespace

void stop_hint_and_popups() {
  hint_stop();
  hide_if_visible(omigoto_window);
  hide_if_visible(tezumari_window);
}

void on_command(HWND main, int id) {
  if (!settle_before_input()) return;
  stop_hint_and_popups();
  switch (id) {
    case IDM_NEW_GAME: new_game(main); break;
    case IDM_QUIT: quit(main); break;
    case IDM_UNDO: undo_command(); break;
    case IDM_HINT: hint_command(main); break;
    case IDM_ABOUT: show_about(main); break;
    case IDM_HELP: open_help(main); break;
    case IDM_HOMEPAGE: open_homepage(main); break;
    case IDM_RESTART: restart_game(); break;
    case IDM_RANKING: view_ranking(main); break;
    case IDM_MODE_NORMAL: choose_mode(main, 0); break;
    case IDM_MODE_EASY: choose_mode(main, 1); break;
    case IDM_SOUND_ON: choose_sound(1); break;
    case IDM_SOUND_OFF: choose_sound(0); break;
  }
}

void on_key(HWND main, int virtual_key) {
  if (!settle_before_input()) return;
  stop_hint_and_popups();
  switch (virtual_key) {
    case VK_BACK: send_command(main, IDM_UNDO); break;
    case VK_ESCAPE: CloseWindow(main); break;
    case VK_F1: send_command(main, IDM_HELP); break;
    case VK_F2: send_command(main, IDM_NEW_GAME); break;
  }
}
