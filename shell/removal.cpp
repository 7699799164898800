// The removal delay, taking a pair off the screen, and the game's outcome.
#include "removal.h"
#include "app_identity.h"
#include "banner_windows.h"
#include "board.h"
#include "drawn_line.h"
#include "outcome.h"
#include "ranking.h"
#include "resource.h"
#include "shell_state.h"
#include "sound.h"
#include "tile_pictures.h"
#include "tile_windows.h"

namespace {

constexpr RECT LINE_AREA = {0, 30, 800, 630};   // below the elapsed-time figures

// The connection line goes from back_dc and from the screen; the figures above stay.
void wipe_line() {
  const RECT& area = LINE_AREA;
  int width = area.right - area.left, height = area.bottom - area.top;
  PatBlt(back_dc, area.left, area.top, width, height, PATCOPY);
  if (!main_window) return;   // a null window would mean the whole screen
  HDC dc = GetDC(main_window);
  HGDIOBJ old_brush = SelectObject(dc, back_brush);
  PatBlt(dc, area.left, area.top, width, height, PATCOPY);
  SelectObject(dc, old_brush);
  ReleaseDC(main_window, dc);
}

void end_delay() {
  KillTimer(main_window, TIMER_REMOVE);
  removal_pending = 0;
  removal_wait = 0;
}

void take_off(HPALETTE palette, int slot) {
  HWND tile = static_cast<HWND>(pai_windows[slot]);
  ShowWindow(tile, SW_HIDE);
  pai_recolor(tile, palette, IDB_PAI_FIRST + slot_cell(slot).tile_id, MARK_SELECTED, MARK_SPARE,
              MARK_HINT, MARK_NORMAL);
}

void settle_stuck() {
  play_cue("tezumari");
  ShowWindow(tezumari_window, SW_SHOW);
  KillTimer(main_window, TIMER_ELAPSED);
  game_over = 1;
  was_stuck = 1;
}

void settle_cleared(int seconds) {
  if (seconds < OMIGOTO_TIME_LIMIT && !omigoto_shown && !was_stuck) {
    ShowWindow(omigoto_window, SW_SHOW);
    omigoto_shown = 1;
  }
  play_cue("get");
  KillTimer(main_window, TIMER_ELAPSED);
  game_over = 1;
  KillTimer(main_window, TIMER_REMOVE);
  if (ranking_qualifies(seconds) && !ranking_shown && !was_stuck) {
    ranking_shown = 1;
    DialogBoxParamA(app_instance, MAKEINTRESOURCEA(IDD_RANKING), main_window, ranking_dialog_proc,
                    seconds);
  }
}

// The delay is over before anything is shown or asked, so nothing that runs
// inside the ranking dialog's loop can take the same pair off twice.
void finish_pending() {
  end_delay();
  wipe_line();
  finish_removal(pai_palette, removed_first, removed_second, elapsed_seconds);
}

}  // namespace

void start_removal_delay(HWND main) {
  // Only where the line lies: the next paint then copies a small part of back_dc
  // instead of the whole client area.
  RECT line = take_drawn_line_bounds();
  InvalidateRect(main, IsRectEmpty(&line) ? nullptr : &line, FALSE);
  removal_pending = 1;
  removal_wait = 1;
  SetTimer(main, TIMER_REMOVE, REMOVE_PERIOD_MS, nullptr);
}

void removal_tick() {
  if (!removal_pending) {   // a tick left over from a delay that has ended
    KillTimer(main_window, TIMER_REMOVE);
    return;
  }
  if (removal_wait == 1) {
    removal_wait = 0;
    return;
  }
  finish_pending();
}

void finish_removal(HPALETTE palette, int first, int second, int seconds) {
  take_off(palette, second);
  take_off(palette, first);
  if (board_is_stuck())
    settle_stuck();
  else if (board_is_cleared())
    settle_cleared(seconds);
  else
    play_cue("get");
}

void complete_pending_removal() {
  if (removal_pending) finish_pending();
}

void drop_pending_removal() {
  if (!removal_pending) return;
  end_delay();
  wipe_line();
}
