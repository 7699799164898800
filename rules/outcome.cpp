// Stuck and cleared tests, undo of the latest removal, and the reset of tile looks.
#include "outcome.h"
#include "board.h"
#include "connection.h"
#include "platform.h"

namespace {

bool in_place(int slot) { return slot_cell(slot).state == TILE_IN_PLACE; }

int picture_of(int slot) { return IDB_PAI_FIRST + slot_cell(slot).tile_id; }

}  // namespace

int board_is_stuck() {
  for (int i = 1; i < TILE_COUNT; ++i) {
    if (!in_place(i)) continue;
    int face = face_of(slot_cell(i).tile_id);
    for (int j = 0; j < i; ++j) {
      if (in_place(j) && face_of(slot_cell(j).tile_id) == face &&
          can_connect(slot_x(i), slot_y(i), slot_x(j), slot_y(j))) {
        return 0;
      }
    }
  }
  int left = 0;
  for (int s = 0; s < TILE_COUNT; ++s) left += in_place(s);
  return left >= 2;
}

// The first pair removed reaches CLEARED_STATE exactly with the 72nd removal.
int board_is_cleared() {
  for (int s = 0; s < TILE_COUNT; ++s) {
    if (slot_cell(s).state == CLEARED_STATE) return 1;
  }
  return 0;
}

// One undo drops a pick and also takes back the latest removal; the tiles of
// the latest pair were already set back to the normal look when taken off.
int undo_move() {
  int changed = 0;
  for (int s = 0; s < TILE_COUNT; ++s) {
    Cell& cell = slot_cell(s);
    if (cell.state == TILE_SELECTED) {
      cell.state = TILE_IN_PLACE;
      selected_slot = NO_SELECTION;
      platform_recolor_tile(pai_windows[s], picture_of(s), MARK_HINT, MARK_SPARE, MARK_SELECTED,
                            MARK_NORMAL, 1);
      changed = 1;
    } else if (cell.state == TILE_REMOVED) {
      cell.state = TILE_IN_PLACE;
      platform_show_window(pai_windows[s]);
      changed = 1;
    } else if (cell.state > TILE_REMOVED) {
      --cell.state;
      changed = 1;
    }
  }
  return changed;
}

void reset_tile_looks(int draw) {
  for (int s = 0; s < TILE_COUNT; ++s) {
    platform_recolor_tile(pai_windows[s], picture_of(s), MARK_HINT, MARK_SELECTED, MARK_SPARE,
                          MARK_NORMAL, draw);
  }
}
