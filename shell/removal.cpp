// The removal delay, taking a pair off the screen, and the game's outcome.
#include "removal.h"
#include "app_identity.h"
#include "banner_windows.h"
#include "board.h"
#include "display_scale.h"
#include "drawn_line.h"
#include "modal_boxes.h"
#include "outcome.h"
#include "ranking.h"
#include "ranking_entry.h"
#include "resource.h"
#include "settings_notice.h"
#include "shell_state.h"
#include "sound.h"
#include "tile_pictures.h"
#include "tile_windows.h"

namespace {

constexpr RECT LINE_AREA = {0, 30, 800, 630};   // below the elapsed-time figures, at 96 DPI
constexpr RemovalDelay NO_PAIR = {0, 0, -1, -1};

}  // namespace

RemovalDelay removal_delay = NO_PAIR;

namespace {

// The connection line goes from back_dc and from the screen; the figures above stay.
void wipe_line() {
  const RECT area = at_display_scale(LINE_AREA);
  int width = area.right - area.left, height = area.bottom - area.top;
  PatBlt(back_dc, area.left, area.top, width, height, PATCOPY);
  if (!main_window) return;   // a null window would mean the whole screen
  HDC dc = GetDC(main_window);
  HGDIOBJ old_brush = SelectObject(dc, back_brush);
  PatBlt(dc, area.left, area.top, width, height, PATCOPY);
  SelectObject(dc, old_brush);
  ReleaseDC(main_window, dc);
}

void take_off(int slot) {
  HWND tile = static_cast<HWND>(pai_windows[slot]);
  ShowWindow(tile, SW_HIDE);
  pai_recolor(tile, pai_palette, IDB_PAI_FIRST + slot_cell(slot).tile_id, MARK_SELECTED, MARK_SPARE,
              MARK_HINT, MARK_NORMAL);
}

void settle_stuck() {
  play_cue("tezumari");
  ShowWindow(tezumari_window, SW_SHOW);
  KillTimer(main_window, TIMER_ELAPSED);
  game_over = 1;
  was_stuck = 1;
}

// The game's own conditions: a time good enough, offered once, never after a stuck board.
int ranking_earned(int seconds) { return ranking_qualifies(seconds) && !ranking_shown && !was_stuck; }

// The caller holds the place for a box, so the ranking dialog is the only one open.
void settle_cleared(int seconds) {
  if (seconds < OMIGOTO_TIME_LIMIT && !omigoto_shown && !was_stuck) {
    ShowWindow(omigoto_window, SW_SHOW);
    omigoto_shown = 1;
  }
  play_cue("get");
  KillTimer(main_window, TIMER_ELAPSED);
  game_over = 1;
  if (ranking_earned(seconds)) {
    ranking_shown = 1;
    DialogBoxParamW(app_instance, MAKEINTRESOURCEW(IDD_RANKING), main_window, ranking_dialog_proc,
                    seconds);
    tell_lost_save(main_window);   // the entry's or the name's
  }
}

// What the end of the delay does, whoever asks for it: the second tick, or input
// that comes first. The delay is over before anything is shown or asked, so nothing
// that runs inside the ranking dialog's loop meets the pair again. It waits while
// another box is open, so a tick under a box never opens a second one.
int settle() {
  if (!take_modal_place()) return 0;
  KillTimer(main_window, TIMER_REMOVE);
  const RemovalDelay pair = removal_delay;
  removal_delay = NO_PAIR;
  wipe_line();
  take_off(pair.removed_second);
  take_off(pair.removed_first);
  if (board_is_stuck())
    settle_stuck();
  else if (board_is_cleared())
    settle_cleared(elapsed_seconds);
  else
    play_cue("get");
  give_back_modal_place();
  return 1;
}

}  // namespace

void start_removal_delay(HWND main, int first, int second) {
  // Only where the line lies: the next paint then copies a small part of back_dc
  // instead of the whole client area.
  RECT line = take_drawn_line_bounds();
  InvalidateRect(main, IsRectEmpty(&line) ? nullptr : &line, FALSE);
  removal_delay = {1, 1, first, second};
  SetTimer(main, TIMER_REMOVE, REMOVE_PERIOD_MS, nullptr);
}

void removal_tick() {
  if (!removal_delay.pending) {   // a tick left over from a delay that has ended
    KillTimer(main_window, TIMER_REMOVE);
    return;
  }
  if (removal_delay.removal_wait) {
    removal_delay.removal_wait = 0;
    return;
  }
  settle();
}

int settle_before_input() {
  if (modal_box_open()) return 0;
  return !removal_delay.pending || settle();
}

// The pair stays on show, for taking it off shows and sounds. If it clears the board,
// its entry is made now, as the ranking does when it opens: the session's end may
// end the process before the ranking could open. Marked as offered, so a settle
// that still comes, should the process go on, offers nothing more.
void removal_session_end(HWND main) {
  KillTimer(main, TIMER_REMOVE);
  if (!removal_delay.pending || !board_is_cleared() || !ranking_earned(elapsed_seconds)) return;
  KillTimer(main, TIMER_ELAPSED);   // the time stays the entry's
  ranking_shown = 1;
  RankingTable table;
  ranking_enter(elapsed_seconds, &table);
}

void removal_reset() { removal_delay = NO_PAIR; }
