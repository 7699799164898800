// Stuck and cleared tests, undo of the latest removal, and the reset of tile looks.
#pragma once

int board_is_stuck();
int board_is_cleared();
int undo_move();
void reset_tile_looks(int draw);
