// The hint: every removable pair lit in turn, timed by a worker thread and drawn by
// the main window's thread, and its cooperative stop.
#include "hint.h"
#include <atomic>
#include "board.h"
#include "connection.h"
#include "outcome.h"

ThreadHandle hint_thread = nullptr;

namespace {

// Every start and every stop advances the number. A worker goes on only while it
// is still the number it was started with, and its "stuck" verdict is shown only
// while the number has not moved since: any input that may change the board stops
// the hint first, so the box never stands over a board it was not found on.
std::atomic<unsigned> current_hint{0};
unsigned started_hint = 0;   // the number of the newest worker, set before it starts

// The main window's thread alone draws the marks, and knows whether a pair it lit
// is still waiting to be put back.
bool pair_lit = false;

// Stops of the user-interface thread now waiting for a worker; only the outermost
// releases the handle, so a stop run by a message sent during the wait never
// closes a handle that the wait below it still uses.
int stops_waiting = 0;

bool in_place(int slot) { return slot_cell(slot).state == TILE_IN_PLACE; }

void recolor(int slot, int a, int b, int to) {
  platform_recolor_tile(pai_windows[slot], IDB_PAI_FIRST + slot_cell(slot).tile_id, a, b, 0, to, 1);
}

bool removable(int i, int j) {
  return in_place(i) && in_place(j) && face_of(slot_cell(i).tile_id) == face_of(slot_cell(j).tile_id) &&
         can_connect(slot_x(i), slot_y(i), slot_x(j), slot_y(j));
}

// Back to the look the tile's state calls for now; a tile taken meanwhile stays.
void unmark(int slot) {
  int state = slot_cell(slot).state;
  if (state == TILE_IN_PLACE) recolor(slot, MARK_HINT, 0, MARK_NORMAL);
  if (state == TILE_SELECTED) recolor(slot, MARK_HINT, 0, MARK_SELECTED);
}

// Has one pair lit and put back; false when a stop came, after which the worker
// asks for nothing more.
bool show_pair(WindowHandle main_window, unsigned hint, int i, int j) {
  auto stopped = [hint] { return current_hint.load() != hint; };
  if (stopped()) return false;
  platform_report_pair(main_window, hint, i, j, 1);
  if (platform_stop_wait(HINT_SHOW_MS) || stopped()) return false;
  platform_report_pair(main_window, hint, i, j, 0);
  return !platform_stop_wait(HINT_GAP_MS) && !stopped();
}

void drop_pick() {
  for (int s = 0; s < TILE_COUNT; ++s) {
    if (slot_cell(s).state != TILE_SELECTED) continue;
    slot_cell(s).state = TILE_IN_PLACE;
    recolor(s, MARK_SELECTED, 0, MARK_NORMAL);
    selected_slot = NO_SELECTION;
  }
}

void wipe_marks() {
  for (int s = 0; s < TILE_COUNT; ++s) recolor(s, MARK_HINT, 0, MARK_NORMAL);
  pair_lit = false;
}

}  // namespace

// The worker only times the marks; the main window's thread draws them. Drawn here,
// a mark would wait for the screen: Windows may hold it in this thread's batch of
// drawing calls, and Wine shows a window's new pixels only when the thread that owns
// it next wakes, which for an idle window is the clock's next tick.
// The verdict goes to the main window's thread too, which shows every box of the
// program: a box made on this thread has an input state apart from the window it
// disables, and only a change of the foreground between threads gives it the keys,
// which under Wine now and then does not happen.
int hint_worker(void* main_window) {
  const unsigned hint = started_hint;
  for (int i = 1; i < TILE_COUNT; ++i) {
    for (int j = 0; j < i; ++j) {
      if (removable(i, j) && !show_pair(main_window, hint, i, j)) return 1;
    }
  }
  if (board_is_stuck()) platform_report_stuck(main_window, hint);
  return 0;
}

void hint_start(WindowHandle main_window) {
  hint_stop();  // never lose a worker that is still running
  drop_pick();
  platform_stop_clear();
  started_hint = current_hint.fetch_add(1) + 1;
  hint_thread = platform_thread_start(hint_worker, main_window);
  if (!hint_thread) platform_message_box(main_window, "スレッドの作成に失敗しました。", "失敗");
}

// The worker is asked to stop and waited for: it wakes from its waits at once and
// never waits for the player, so the wait is short, and whoever asked for the stop
// may change the board the worker reads once it returns. A mark it asked for and
// not yet drawn carries a number that is no longer current, and never lands. A stop
// run inside the wait waits for the same end. A hint started inside it is stopped
// too once the wait is over: whoever asked for this stop goes on to change the board.
void hint_stop() {
  ThreadHandle thread = hint_thread;
  if (!thread) return;
  current_hint.fetch_add(1);
  platform_stop_set();
  ++stops_waiting;
  platform_thread_wait(thread);
  --stops_waiting;
  const bool still_current = hint_thread == thread;
  if (pair_lit) wipe_marks();
  if (stops_waiting > 0) return;
  platform_thread_release(thread);
  if (still_current)
    hint_thread = nullptr;
  else
    hint_stop();
}

void hint_show_pair(unsigned hint, int first, int second, int lit) {
  if (hint != current_hint.load()) return;
  if (first < 0 || first >= TILE_COUNT || second < 0 || second >= TILE_COUNT) return;
  if (lit) {
    recolor(first, MARK_NORMAL, MARK_SELECTED, MARK_HINT);
    recolor(second, MARK_NORMAL, MARK_SELECTED, MARK_HINT);
  } else {
    unmark(first);
    unmark(second);
  }
  pair_lit = lit != 0;
}

void hint_show_stuck(WindowHandle main_window, unsigned hint) {
  if (hint == current_hint.load()) platform_message_box(main_window, "手詰まりです。", "手詰まり");
}
