// Benchmarks of the rules: one connection test, one easy build, one whole easy
// deal, and the stuck scan over a full board.
#include <benchmark/benchmark.h>
#include <random>
#include <utility>
#include <vector>
#include "board.h"
#include "connection.h"
#include "deal.h"
#include "outcome.h"
#include "rules_support.h"

namespace {

long long bench_second = 1700000000;
long long bench_clock() { return bench_second; }

// A shuffled deal with half of its tiles taken at random.
void mid_game_board(unsigned seed) {
  board_reset();
  layout_cells();
  deal_clock = bench_clock;
  bench_second = seed;
  new_deal(nullptr, MODE_NORMAL);
  std::mt19937 rng(seed);
  for (int s = 0; s < TILE_COUNT; ++s) {
    if (rng() % 2) slot_cell(s).state = TILE_REMOVED;
  }
}

std::vector<std::pair<int, int>> tile_pairs(unsigned seed, int count) {
  std::mt19937 rng(seed);
  std::vector<std::pair<int, int>> pairs;
  while (static_cast<int>(pairs.size()) < count) {
    int a = static_cast<int>(rng() % TILE_COUNT), b = static_cast<int>(rng() % TILE_COUNT);
    if (a != b && slot_cell(a).state == TILE_IN_PLACE && slot_cell(b).state == TILE_IN_PLACE) pairs.emplace_back(a, b);
  }
  return pairs;
}

void BM_CanConnectMidGame(benchmark::State& state) {
  mid_game_board(42);
  auto pairs = tile_pairs(7, 4096);
  size_t k = 0;
  int joined = 0;
  for (auto _ : state) {
    const auto& pair = pairs[k++ & 4095];
    joined += can_connect(slot_x(pair.first), slot_y(pair.first), slot_x(pair.second), slot_y(pair.second));
  }
  benchmark::DoNotOptimize(joined);
}
BENCHMARK(BM_CanConnectMidGame);

void BM_EasyBuild(benchmark::State& state) {
  board_reset();
  BuildRecord record;
  int built = 0;
  for (auto _ : state) built += build_solvable_deal(++bench_second, 0, PAIR_TEST_LIMIT, &record);
  state.counters["success"] = benchmark::Counter(built, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EasyBuild);

void BM_EasyNewDeal(benchmark::State& state) {
  board_reset();
  deal_clock = bench_clock;
  for (auto _ : state) {
    ++bench_second;
    new_deal(nullptr, MODE_EASY);
  }
}
BENCHMARK(BM_EasyNewDeal)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_StuckScanFreshDeal(benchmark::State& state) {
  mid_game_board(3);
  restore_deal();
  for (auto _ : state) benchmark::DoNotOptimize(board_is_stuck());
}
BENCHMARK(BM_StuckScanFreshDeal);

// The worst case: a full board without a move, so every same-face pair is tested.
// Each deal row holds the faces column + shift, which repeat along no outer side
// and between no neighbours.
void BM_StuckScanFullBoardWithoutAMove(benchmark::State& state) {
  board_reset();
  const int shift[DEAL_ROWS] = {0, 18, 9, 27, 4, 22, 13, 31};
  int seen[FACE_COUNT] = {};
  for (int s = 0; s < TILE_COUNT; ++s) {
    int face = (slot_x(s) - 1 + shift[slot_y(s) - 1]) % FACE_COUNT;
    slot_cell(s).tile_id = face + FACE_COUNT * seen[face]++;
    slot_cell(s).state = TILE_IN_PLACE;
  }
  int stuck = 0;
  for (auto _ : state) stuck += board_is_stuck();
  if (stuck != static_cast<int>(state.iterations())) state.SkipWithError("the board has a move");
}
BENCHMARK(BM_StuckScanFullBoardWithoutAMove);

}  // namespace
