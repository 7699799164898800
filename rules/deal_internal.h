// Pieces of the deal maker that the tests, benchmarks and tools look into.
#pragma once
#include <cstdint>
#include "board.h"

// The generator behind every deal: small, uniform and the same on every platform,
// so a given clock second gives the same deal natively and on Windows.
void deal_seed(long long seed);
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

// What the latest easy build did, pair by pair: the slots of pair k (source first).
struct BuildRecord {
  int first[PAIR_COUNT];
  int second[PAIR_COUNT];
  int placed;
  int tests;
};
extern BuildRecord last_build;

// Candidate tests allowed per build; tests lower it to make builds fail.
extern int pair_test_limit;
