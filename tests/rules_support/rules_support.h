// What the tests, benchmarks and tools reach into the rules with, beside the
// platform fake: the board put back as at program start, and the build behind
// an easy deal.
#pragma once
#include "board.h"
#include "deal_internal.h"

// Puts every board table back as at program start. A hint worker reads the board,
// so stop a running one first.
void board_reset();

// Builds the easy deal on the board again, from the deal clock's second or the one
// before (the clock may have ticked since the deal), and returns the attempt that
// made it, with what it did in record; -1 when no build of those seconds gives it.
// Call it right after the deal: the board is left freshly dealt either way.
int replay_easy_deal(BuildRecord* record);
