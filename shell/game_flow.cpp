// New game, restart, undo and the hint: the game on the board replaced or taken back.
#include "game_flow.h"
#include "board.h"
#include "clock.h"
#include "deal.h"
#include "elapsed_time.h"
#include "hint.h"
#include "outcome.h"
#include "shell_state.h"
#include "sound.h"

namespace {

// No erase is asked for: the tile class has no background brush, so an erase
// would draw nothing and only cost every tile a WM_ERASEBKGND before its paint.
void show_and_repaint_every_tile() {
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    HWND tile = static_cast<HWND>(pai_windows[slot]);
    if (!IsWindowVisible(tile)) ShowWindow(tile, SW_SHOW);
    InvalidateRect(tile, nullptr, FALSE);
  }
}

int anything_picked_or_removed() {
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    if (slot_cell(slot).state >= TILE_SELECTED) return 1;
  }
  return 0;
}

}  // namespace

void new_game(HWND main) {
  reset_tile_looks(0);
  new_deal(main, game_mode);
  omigoto_shown = 0;
  was_stuck = 0;
  game_over = 0;
  show_and_repaint_every_tile();
  KillTimer(main, TIMER_ELAPSED);
  elapsed_seconds = 0;
  clear_time_display();
  SetTimer(main, TIMER_ELAPSED, ELAPSED_PERIOD_MS, nullptr);
  ranking_shown = 0;
}

void restart_game() {
  int something = anything_picked_or_removed();
  restore_deal();
  reset_tile_looks(1);
  show_and_repaint_every_tile();
  if (something) play_cue("back");
}

void undo_command() {
  if (undo_move()) play_cue("back");
}

void hint_command(HWND main) {
  hint_start(main);
  if (game_over == 0) elapsed_seconds = elapsed_after(elapsed_seconds, HINT_PENALTY_SECONDS);
}
