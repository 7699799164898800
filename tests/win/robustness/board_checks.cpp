// Consistency checks of the board, the tile windows and the tile looks.
#include "board_checks.h"
#include <windows.h>
#include <cstring>
#include <sstream>
#include "banner_windows.h"
#include "board.h"
#include "dib.h"
#include "outcome.h"
#include "removal.h"
#include "shell_state.h"
#include "tile_pictures.h"

namespace {

std::string describe(const char* what, int slot, int value) {
  std::ostringstream text;
  text << what << " (slot " << slot << ", value " << value << ")";
  return text.str();
}

bool window_shown(int slot) {
  HWND tile = static_cast<HWND>(pai_windows[slot]);
  return (GetWindowLongA(tile, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool pair_on_show(int slot) {
  const RemovalDelay& pair = removal_delay;
  return pair.pending && (slot == pair.removed_first || slot == pair.removed_second);
}

std::string tiles_fault() {
  int seen[TILE_COUNT] = {};
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    int id = deal_table[slot];
    if (id < 0 || id >= TILE_COUNT) return describe("tile id out of range in deal_table", slot, id);
    if (seen[id]++) return describe("tile id twice in deal_table", slot, id);
    if (slot_cell(slot).tile_id != id) return describe("cell holds another tile than deal_table", slot, slot_cell(slot).tile_id);
  }
  for (int x = 0; x < GRID_COLS; ++x)
    for (int y = 0; y < GRID_ROWS; ++y) {
      bool ring = x == 0 || y == 0 || x == GRID_COLS - 1 || y == GRID_ROWS - 1;
      if (ring && cell_at(x, y).state != CELL_NO_TILE) return describe("a ring cell holds a tile", x * 100 + y, cell_at(x, y).state);
    }
  return "";
}

std::string selection_fault() {
  int selected = 0;
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    int state = slot_cell(slot).state;
    if (state < TILE_IN_PLACE || state > CLEARED_STATE) return describe("state out of range", slot, state);
    if (state == TILE_SELECTED) {
      ++selected;
      if (slot != selected_slot) return describe("a selected tile that is not selected_slot", slot, selected_slot);
    }
  }
  if (selected > 1) return describe("more than one selected tile", -1, selected);
  if (selected == 0 && selected_slot != NO_SELECTION) return describe("selected_slot without a selected tile", selected_slot, 0);
  return "";
}

// Removal k (2 the latest) is held by exactly two tiles, with no gap in the history.
std::string history_fault() {
  int holders[CLEARED_STATE + 1] = {};
  for (int slot = 0; slot < TILE_COUNT; ++slot)
    if (slot_cell(slot).state >= TILE_REMOVED) ++holders[slot_cell(slot).state];
  bool ended = false;
  for (int value = TILE_REMOVED; value <= CLEARED_STATE; ++value) {
    if (holders[value] == 0) { ended = true; continue; }
    if (ended) return describe("a gap in the removal history before", -1, value);
    if (holders[value] != 2) return describe("a removal held by other than two tiles", -1, value);
  }
  const RemovalDelay& pair = removal_delay;
  if (pair.pending && (slot_cell(pair.removed_first).state != TILE_REMOVED || slot_cell(pair.removed_second).state != TILE_REMOVED))
    return describe("the pair on show is not the latest removal", pair.removed_first, pair.removed_second);
  return "";
}

// Stuck as the player sees the board. A picked tile still stands: the rule opens its
// cell to paths while it is picked, but the player must put it down before taking
// any other pair, so a stuck board with a tile picked is still stuck.
bool stuck_as_seen() {
  if (selected_slot == NO_SELECTION) return board_is_stuck();
  int& picked = slot_cell(selected_slot).state;
  const int state = picked;
  picked = TILE_IN_PLACE;
  const bool stuck = board_is_stuck();
  picked = state;
  return stuck;
}

std::string windows_fault() {
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    int state = slot_cell(slot).state;
    bool should_show = state == TILE_IN_PLACE || state == TILE_SELECTED || pair_on_show(slot);
    if (window_shown(slot) != should_show) return describe(should_show ? "a tile on the board is hidden" : "a tile off the board is shown", slot, state);
  }
  if (IsWindowVisible(omigoto_window) && !omigoto_shown) return "cleared banner shown without omigoto_shown";
  if (IsWindowVisible(tezumari_window) && !was_stuck) return "stuck banner shown without was_stuck";
  if (IsWindowVisible(tezumari_window) && !stuck_as_seen()) return "stuck banner shown over a board that can be played";
  if (IsWindowVisible(omigoto_window) && !board_is_cleared()) return "cleared banner shown over tiles still to play";
  if (elapsed_seconds < 0 || elapsed_seconds > ELAPSED_LIMIT) return describe("elapsed time out of range", -1, elapsed_seconds);
  return "";
}

// With no hint running no tile carries the hint mark, and the selected mark is on
// exactly the picked tile and the pair on show.
std::string looks_fault() {
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    int id = deal_table[slot];
    if (look_bytes(id, MARK_HINT) != 0) return describe("a tile keeps the hint mark", slot, id);
    bool selected_look = look_bytes(id, MARK_SELECTED) != 0;
    bool should = slot_cell(slot).state == TILE_SELECTED || pair_on_show(slot);
    if (selected_look != should) return describe(should ? "a picked tile looks normal" : "an unpicked tile looks picked", slot, slot_cell(slot).state);
  }
  return "";
}

}  // namespace

int look_bytes(int tile_id, int colour_index) {
  const unsigned char* first = tile_picture_to_draw(IDB_PAI_FIRST);
  const unsigned char* dib = tile_picture_to_draw(IDB_PAI_FIRST + tile_id);
  if (!first || !dib) return -1;
  int header_size;
  std::memcpy(&header_size, dib, sizeof header_size);
  const unsigned char* pixels = dib + header_size + 4 * packed_dib_color_count(first);
  int count = 0;
  for (int k = PAI_RECOLOR_BEGIN; k < PAI_RECOLOR_END; ++k) count += pixels[k] == colour_index;
  return count;
}

std::string board_fault() {
  for (auto check : {tiles_fault, selection_fault, history_fault, windows_fault, looks_fault}) {
    std::string fault = check();
    if (!fault.empty()) return fault;
  }
  return "";
}
