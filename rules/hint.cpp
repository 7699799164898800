// The hint: a worker thread lights every removable pair in turn, and its
// cooperative stop.
#include "hint.h"
#include <atomic>
#include "board.h"
#include "connection.h"
#include "outcome.h"

ThreadHandle hint_thread = nullptr;

namespace {

// Who settles the end of the current worker. The worker and hint_stop each try
// to move it out of SCANNING with one compare-and-swap, so exactly one of them
// wins: either hint_stop claims the stop (and may wait, because the worker will
// show nothing that waits for the player), or the worker claims the end of its
// scan (and hint_stop must not wait, because the worker may now sit in the
// "stuck" message box until the player closes it).
enum WorkerPhase { SCANNING, STOPPING, SCAN_OVER };
std::atomic<int> worker_phase{SCAN_OVER};

bool stop_requested() { return worker_phase.load() == STOPPING; }

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

// Lights one pair and puts it back; false when a stop came, after which the
// worker draws nothing more.
bool show_pair(int i, int j) {
  if (stop_requested()) return false;
  recolor(i, MARK_NORMAL, MARK_SELECTED, MARK_HINT);
  if (stop_requested()) return false;
  recolor(j, MARK_NORMAL, MARK_SELECTED, MARK_HINT);
  if (platform_stop_wait(HINT_SHOW_MS) || stop_requested()) return false;
  unmark(i);
  if (stop_requested()) return false;
  unmark(j);
  return !platform_stop_wait(HINT_GAP_MS) && !stop_requested();
}

void drop_pick() {
  for (int s = 0; s < TILE_COUNT; ++s) {
    if (slot_cell(s).state != TILE_SELECTED) continue;
    slot_cell(s).state = TILE_IN_PLACE;
    recolor(s, MARK_SELECTED, 0, MARK_NORMAL);
    selected_slot = NO_SELECTION;
  }
}

}  // namespace

int hint_worker(void* main_window) {
  for (int i = 1; i < TILE_COUNT; ++i) {
    for (int j = 0; j < i; ++j) {
      if (removable(i, j) && !show_pair(i, j)) return 1;
    }
  }
  // The stuck test runs before the scan is declared over, so it never reads a
  // board that the user-interface thread has gone on to change.
  int stuck = board_is_stuck();
  int expected = SCANNING;
  if (!worker_phase.compare_exchange_strong(expected, SCAN_OVER)) return 1;
  if (stuck) platform_message_box(main_window, "手詰まりです。", "手詰まり");
  return 0;
}

void hint_start(WindowHandle main_window) {
  hint_stop();  // never lose a worker that is still running
  drop_pick();
  platform_stop_clear();
  worker_phase.store(SCANNING);
  hint_thread = platform_thread_start(hint_worker, main_window);
  if (!hint_thread) {
    worker_phase.store(SCAN_OVER);
    platform_message_box(main_window, "スレッドの作成に失敗しました。", "失敗");
  }
}

// A scanning worker is asked to stop and waited for: it wakes from its waits at
// once, so the wait is short, and only after it has ended can the marks be wiped
// without a late mark of the worker landing on top. A worker past its scan may be
// showing the "stuck" box, which waits for the player: it is let go instead, and
// it has no marks left to wipe.
void hint_stop() {
  if (!hint_thread) return;
  int expected = SCANNING;
  bool was_scanning = worker_phase.compare_exchange_strong(expected, STOPPING);
  if (was_scanning) {
    platform_stop_set();
    platform_thread_join(hint_thread);
    for (int s = 0; s < TILE_COUNT; ++s) recolor(s, MARK_HINT, 0, MARK_NORMAL);
  } else {
    platform_thread_release(hint_thread);
  }
  hint_thread = nullptr;
}
