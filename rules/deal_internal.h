// Pieces of the deal maker that the tests, benchmarks and tools look into.
#pragma once
#include <cstdint>
#include "board.h"

// The generator behind every deal: small, uniform and the same on every platform,
// so a given clock second gives the same deal natively and on Windows. The second
// sets where the generator starts, the stream which of its sequences it follows.
void deal_seed(long long second, int stream);
std::uint32_t deal_draw();

// Ranks draws[0..count-1] (count at most TILE_COUNT) into values: a permutation
// of 0..count-1 in which equal draws keep their index order.
void rank_draws(const std::uint32_t* draws, int* values, int count);

// A band of candidate slots for one pair of an easy build.
struct SlotBand {
  int first, size;
};
SlotBand band_for_pair(int placed);

// The second slot of a candidate pair: a free slot of the band other than c and not
// its neighbour, or -1 when none is left (the build counts that as a failed test).
int draw_partner(SlotBand band, int c, const bool* used);

// What one easy build did, pair by pair: the slots of pair k (source first), and
// how many candidate pairs it tested.
struct BuildRecord {
  int first[PAIR_COUNT];
  int second[PAIR_COUNT];
  int placed;
  int tests;
};

// One easy build of the given clock second, the attempt (0..DEAL_ATTEMPTS-1) as the
// generator's stream, with at most test_limit candidate tests. 1 when all 72 pairs
// were placed; the board then holds the deal. The record tells how it went.
int build_solvable_deal(long long second, int attempt, int test_limit, BuildRecord* record);

// new_deal with test_limit candidate tests per easy build instead of PAIR_TEST_LIMIT.
void make_deal(WindowHandle owner, int mode, int test_limit);
