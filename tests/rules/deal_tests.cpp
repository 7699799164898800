// Deals: shuffled and easy deals, the build bands, replaying an easy deal, the
// fall-back after failed builds, and the ranking of draws.
#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>
#include "connection.h"
#include "deal.h"
#include "deal_internal.h"
#include "outcome.h"
#include "rules_fixture.h"

namespace {

WindowHandle const MAIN_WINDOW = fake_window(999);

long long clock_value = 0;
long long test_clock() { return clock_value; }

struct DealTest : RulesTest {
  void SetUp() override {
    RulesTest::SetUp();
    deal_clock = test_clock;
    clock_value = 1700000000;
  }
};

std::vector<int> dealt() { return std::vector<int>(deal_table, deal_table + TILE_COUNT); }

void expect_complete_deal() {
  std::vector<int> ids = dealt();
  std::sort(ids.begin(), ids.end());
  for (int id = 0; id < TILE_COUNT; ++id) ASSERT_EQ(ids[id], id);
  for (int s = 0; s < TILE_COUNT; ++s) {
    ASSERT_EQ(slot_cell(s).state, TILE_IN_PLACE);
    ASSERT_EQ(slot_cell(s).tile_id, deal_table[s]);
  }
  for (int x = 0; x < GRID_COLS; ++x) {
    ASSERT_EQ(cell_at(x, 0).state, CELL_NO_TILE);
    ASSERT_EQ(cell_at(x, GRID_ROWS - 1).state, CELL_NO_TILE);
  }
  EXPECT_EQ(selected_slot, NO_SELECTION);
}

bool in_band(int slot, int first, int last) { return slot >= first && slot <= last; }

// A second whose easy deal comes from a retry, because its first build fails.
long long first_second_whose_first_build_fails(long long from) {
  BuildRecord build;
  for (long long second = from; second < from + 100000; ++second) {
    if (!build_solvable_deal(second, 0, PAIR_TEST_LIMIT, &build)) return second;
  }
  return 0;
}

}  // namespace

// Each deal starts from a game in progress: a pick and a removal must not survive it.
TEST_F(DealTest, EveryTileOnceInBothModesWithNoPickOrRemovalLeft) {
  for (int mode : {MODE_NORMAL, MODE_EASY}) {
    for (int second = 0; second < 20; ++second) {
      clock_value = 1700000000 + second * 7919;
      record_removal(0, 1);
      slot_cell(5).state = TILE_SELECTED;
      selected_slot = 5;
      new_deal(MAIN_WINDOW, mode);
      expect_complete_deal();
    }
  }
  EXPECT_TRUE(fake::boxes().empty());
}

// Taken in build order, each pair of an easy deal is joinable at once and the board
// clears; the two tiles of a pair are apart (all but the last pair) and the pairs
// open from the top edge, then the bottom edge, band by band.
TEST_F(DealTest, EasyDealsClearInBuildOrderAndOpenFromTheEdges) {
  BuildRecord build;
  for (int second = 0; second < 150; ++second) {
    clock_value = 1600000000 + second * 13;
    new_deal(MAIN_WINDOW, MODE_EASY);
    ASSERT_GE(replay_easy_deal(&build), 0);
    EXPECT_EQ(board_is_stuck(), 0);
    for (int k = 0; k < PAIR_COUNT; ++k) {
      int c = build.first[k], d = build.second[k];
      ASSERT_EQ(slot_cell(c).state, TILE_IN_PLACE);
      ASSERT_EQ(slot_cell(d).state, TILE_IN_PLACE);
      ASSERT_EQ(deal_table[d], deal_table[c] + PAIR_COUNT) << "pair " << k;
      ASSERT_EQ(can_connect(slot_x(c), slot_y(c), slot_x(d), slot_y(d)), 1) << "second " << second << " pair " << k;
      if (k < PAIR_COUNT - 1) {
        EXPECT_EQ(slots_apart(c, d), 1) << "pair " << k;
      }
      int first = 0, last = TILE_COUNT - 1;
      if (k <= 2) last = 17;
      else if (k <= 5) last = 35;
      else if (k <= 14) last = 53;
      else if (k <= 17) first = 126;
      else if (k <= 20) first = 108;
      else if (k <= 29) first = 90;
      EXPECT_TRUE(in_band(c, first, last) && in_band(d, first, last)) << "pair " << k << ": " << c << ", " << d;
      record_removal(c, d);
    }
    ASSERT_EQ(board_is_cleared(), 1);
  }
}

// Also when the deal of one second took a retry, the next second deals afresh.
TEST_F(DealTest, DealsOfOneSecondAreTheSameAndOfTheNextDiffer) {
  long long retried = first_second_whose_first_build_fails(clock_value);
  ASSERT_NE(retried, 0);
  for (long long second : {1700000000LL, retried}) {
    for (int mode : {MODE_NORMAL, MODE_EASY}) {
      clock_value = second;
      new_deal(MAIN_WINDOW, mode);
      std::vector<int> first = dealt();
      new_deal(MAIN_WINDOW, mode);
      EXPECT_EQ(dealt(), first);
      ++clock_value;
      new_deal(MAIN_WINDOW, mode);
      EXPECT_NE(dealt(), first) << "second " << second << " mode " << mode;
    }
  }
}

// The same second must not mean the same build: a retry that repeated the failed
// build exactly could never succeed.
TEST_F(DealTest, RetriesWithinOneSecondAreDifferentBuilds) {
  std::vector<std::vector<int>> builds;
  BuildRecord build;
  for (int attempt = 0; attempt < 5; ++attempt) {
    build_solvable_deal(clock_value, attempt, PAIR_TEST_LIMIT, &build);
    builds.push_back(dealt());
  }
  for (int a = 0; a < 5; ++a)
    for (int b = a + 1; b < 5; ++b) EXPECT_NE(builds[a], builds[b]) << a << " " << b;
}

TEST_F(DealTest, AfterEveryBuildFailsThePlayerIsToldAndGetsAShuffledDeal) {
  new_deal(MAIN_WINDOW, MODE_NORMAL);
  std::vector<int> shuffled = dealt();
  make_deal(MAIN_WINDOW, MODE_EASY, 30);
  auto boxes = fake::boxes();
  ASSERT_EQ(boxes.size(), 1u);
  expect_box(boxes[0], MAIN_WINDOW, "失敗しました！", "牌の作成");
  expect_complete_deal();
  EXPECT_EQ(dealt(), shuffled);
}

// Recorded once from the generator; the Windows build of these tests must agree.
TEST_F(DealTest, SameClockGivesTheSameDealOnEveryPlatform) {
  clock_value = 1234567890;
  new_deal(MAIN_WINDOW, MODE_NORMAL);
  const std::vector<int> normal_start = {58, 131, 64, 50, 88, 61, 29, 133};
  EXPECT_EQ(std::vector<int>(deal_table, deal_table + 8), normal_start);
  new_deal(MAIN_WINDOW, MODE_EASY);
  const std::vector<int> easy_start = {34, 31, 66, 111, 126, 103, 106, 54};
  EXPECT_EQ(std::vector<int>(deal_table, deal_table + 8), easy_start);
}

TEST_F(DealTest, PartnerDrawEndsWhenOnlyNeighboursAreLeft) {
  bool used[TILE_COUNT];
  std::fill(used, used + TILE_COUNT, true);
  const int c = 40;
  for (int s : {c, c - 1, c + 1, c - DEAL_COLS}) used[s] = false;
  EXPECT_EQ(draw_partner(SlotBand{0, TILE_COUNT}, c, used), -1);
  used[c + DEAL_COLS + 1] = false;  // a diagonal neighbour is apart
  deal_seed(7, 0);
  EXPECT_EQ(draw_partner(SlotBand{0, TILE_COUNT}, c, used), c + DEAL_COLS + 1);
}

TEST_F(DealTest, PartnerDrawStaysInItsBandAndOffTakenSlots) {
  bool used[TILE_COUNT] = {};
  for (int s = 126; s < 134; ++s) used[s] = true;
  deal_seed(99, 0);
  for (int k = 0; k < 2000; ++k) {
    int d = draw_partner(band_for_pair(16), 140, used);
    ASSERT_TRUE(d >= 134 && d <= 143 && d != 140 && d != 139 && d != 141) << d;
  }
}

// Ranking by counting and bumping: the rank of a draw is the number of smaller
// draws; then, index by index in order, every other index holding the same rank
// is pushed up by one, so equal draws end in index order.
std::vector<int> rank_then_bump(const std::vector<std::uint32_t>& draws) {
  int count = static_cast<int>(draws.size());
  std::vector<int> values(count, 0);
  for (int i = 0; i < count; ++i)
    for (int j = 0; j < count; ++j) values[i] += draws[j] < draws[i];
  for (int i = 0; i < count; ++i)
    for (int j = 0; j < count; ++j)
      if (j != i && values[j] == values[i]) ++values[j];
  return values;
}

// With many ties the ranks must still be a permutation that keeps equal draws in
// index order, exactly as counting and bumping gives them.
TEST(Ranking, RanksMatchCountingAndBumpingEvenWithManyTies) {
  const std::uint32_t ties[] = {5, 5, 5, 1};
  int ranks[4];
  rank_draws(ties, ranks, 4);
  EXPECT_EQ(std::vector<int>(ranks, ranks + 4), (std::vector<int>{1, 2, 3, 0}));
  std::mt19937 rng(5);
  for (int round = 0; round < 2000; ++round) {
    int count = 1 + static_cast<int>(rng() % TILE_COUNT);
    std::uint32_t spread = 1 + rng() % 6;
    std::vector<std::uint32_t> draws(count);
    for (auto& draw : draws) draw = round % 2 ? rng() : rng() % spread;
    std::vector<int> values(count);
    rank_draws(draws.data(), values.data(), count);
    ASSERT_EQ(values, rank_then_bump(draws)) << "round " << round;
    std::vector<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i) ASSERT_EQ(sorted[i], i);
  }
}

TEST(Ranking, RandomRankingIsAPermutationAndNeverWritesPastTheDeal) {
  int values[200];
  random_ranking(values, TILE_COUNT);
  std::vector<int> sorted(values, values + TILE_COUNT);
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < TILE_COUNT; ++i) ASSERT_EQ(sorted[i], i);
  random_ranking(values, 200);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(values[i], i);
  random_ranking(values, 0);
}

TEST(SlotsApart, OnlyOrthogonalNeighboursAreClose) {
  EXPECT_EQ(slots_apart(0, 1), 0);
  EXPECT_EQ(slots_apart(0, 18), 0);
  EXPECT_EQ(slots_apart(18, 0), 0);
  EXPECT_EQ(slots_apart(0, 19), 1);   // diagonal
  EXPECT_EQ(slots_apart(17, 18), 1);  // end of one row, start of the next
  EXPECT_EQ(slots_apart(125, 143), 0);
  EXPECT_EQ(slots_apart(0, 36), 1);
}
