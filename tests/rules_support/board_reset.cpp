// The board as at program start, so that many boards can be built in one process.
#include "rules_support.h"

void board_reset() {
  board = Board{};
  clear_board();
  for (int s = 0; s < TILE_COUNT; ++s) {
    deal_table[s] = 0;
    tile_rects[s] = Rect{};
    pai_windows[s] = nullptr;
  }
  selected_slot = NO_SELECTION;
}
