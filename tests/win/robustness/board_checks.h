// Whether the board, the tile windows and the tile looks agree with each other,
// as they must between any two player events.
#pragma once
#include <string>

// "" when everything agrees, else a description of the first disagreement found.
// Meant for moments when no hint worker runs (its marks come and go).
std::string board_fault();

// How many bytes of the tile's own picture carry the given colour index inside the
// part that the highlight rewrites.
int look_bytes(int tile_id, int colour_index);
