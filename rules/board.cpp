// The board tables, the cell layout, the removal history and restoring a deal.
#include "board.h"

namespace {

// The state before anything was laid out or dealt: no cell holds a tile.
constexpr Board empty_board() {
  Board b{};
  for (Cell& cell : b.cells) cell.state = CELL_NO_TILE;
  return b;
}

bool valid_slot(int slot) { return slot >= 0 && slot < TILE_COUNT; }

}  // namespace

Board board = empty_board();
int deal_table[TILE_COUNT];
int selected_slot = NO_SELECTION;
Rect tile_rects[TILE_COUNT];
WindowHandle pai_windows[TILE_COUNT];

namespace {

int layout_percent = 100;

}  // namespace

int scaled_length(int length_96, int percent) { return (length_96 * percent + 50) / 100; }

Point line_anchor(int x, int y) {
  const Rect& r = cell_at(x, y).cell_rect;
  return Point{r.left + scaled_length(12, layout_percent), r.top + scaled_length(19, layout_percent)};
}

// Only the step is scaled and rounded; every cell is whole steps from the first, so
// the tiles keep one step and one overlap at any scale.
void layout_cells(int percent) {
  layout_percent = percent;
  const int step_x = scaled_length(36, percent), step_y = scaled_length(49, percent);
  const int origin_x = scaled_length(20, percent), origin_y = scaled_length(35, percent);
  for (int x = 0; x < GRID_COLS; ++x) {
    for (int y = 0; y < GRID_ROWS; ++y) {
      int left = origin_x + step_x * x;
      int top = origin_y + step_y * y;
      cell_at(x, y).cell_rect = Rect{left, top, left + step_x - 1, top + step_y - 1};
    }
  }
  // Tile pictures overhang their cell to the upper left: the tile is drawn as seen
  // from there, so its top and left faces stick out of the cell.
  const int over_x = scaled_length(43, percent) - step_x, over_y = scaled_length(14, percent);
  for (int s = 0; s < TILE_COUNT; ++s) {
    const Rect& r = slot_cell(s).cell_rect;
    tile_rects[s] = Rect{r.left - over_x, r.top - over_y, r.right - over_x, r.bottom - over_y};
  }
}

void clear_board() {
  for (Cell& cell : board.cells) cell.state = CELL_NO_TILE;
}

// The removal order lives in the states themselves: every older removal ages by
// one, so undo only has to bring back the tiles at TILE_REMOVED and age the rest back.
void record_removal(int first, int second) {
  if (!valid_slot(first) || !valid_slot(second)) return;
  for (Cell& cell : board.cells) {
    if (cell.state >= TILE_REMOVED) ++cell.state;
  }
  slot_cell(first).state = TILE_REMOVED;
  slot_cell(second).state = TILE_REMOVED;
}

void restore_deal() {
  clear_board();
  for (int s = 0; s < TILE_COUNT; ++s) {
    slot_cell(s).tile_id = deal_table[s];
    slot_cell(s).state = TILE_IN_PLACE;
  }
  selected_slot = NO_SELECTION;
}
