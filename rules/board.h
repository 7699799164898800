// The board: 20 x 10 cells with the 18 x 8 deal inside an empty ring, the move
// history carried in the cell states, and the per-slot tables.
#pragma once
#include "platform.h"

constexpr int GRID_COLS = 20;
constexpr int GRID_ROWS = 10;
constexpr int CELL_COUNT = GRID_COLS * GRID_ROWS;
constexpr int DEAL_COLS = 18;
constexpr int DEAL_ROWS = 8;
constexpr int TILE_COUNT = 144;
constexpr int FACE_COUNT = 36;
constexpr int PAIR_COUNT = 72;
constexpr int NO_SELECTION = -1;
constexpr int IDB_PAI_FIRST = 101;   // picture of tile id t is IDB_PAI_FIRST + t

enum CellState {
  CELL_NO_TILE = -1,
  TILE_IN_PLACE = 0,
  TILE_SELECTED = 1,
  TILE_REMOVED = 2,      // removed by the latest removal; older removals count up
  CLEARED_STATE = 73,    // the first pair's state once all 72 pairs are removed
};

struct Rect {
  int left, top, right, bottom;
};

struct Point {
  int x, y;
};

struct Cell {
  Rect cell_rect;
  int state;
  int tile_id;
};

struct Board {
  Cell cells[CELL_COUNT];   // cell (x, y) is cells[x * GRID_ROWS + y]
};

extern Board board;
extern int deal_table[TILE_COUNT];
extern int selected_slot;
extern Rect tile_rects[TILE_COUNT];
extern WindowHandle pai_windows[TILE_COUNT];

inline Cell& cell_at(int x, int y) { return board.cells[x * GRID_ROWS + y]; }
inline int slot_x(int slot) { return slot % DEAL_COLS + 1; }
inline int slot_y(int slot) { return slot / DEAL_COLS + 1; }
inline Cell& slot_cell(int slot) { return cell_at(slot_x(slot), slot_y(slot)); }
inline int face_of(int tile_id) { return tile_id % FACE_COUNT; }

// The line's end in cell (x, y), at the scale the cells were laid out at.
Point line_anchor(int x, int y);

// A 96-DPI length at a display scale in percent, to the nearest pixel.
int scaled_length(int length_96, int percent);
// The cells and tile places at a display scale in percent; 100 is the 96-DPI layout.
void layout_cells(int percent = 100);
void clear_board();
void record_removal(int first, int second);
void restore_deal();
