// Making deals: the shuffled deal, the easy deal built pair by pair, and the
// generator and ranking both rely on.
#include "deal.h"
#include <algorithm>
#include <ctime>
#include "board.h"
#include "connection.h"
#include "deal_internal.h"

namespace {

long long calendar_seconds() { return static_cast<long long>(std::time(nullptr)); }

// PCG32 (XSH RR): one 64-bit state, 32-bit uniform output, and an odd increment
// that chooses one of its streams.
std::uint64_t generator_state;
std::uint64_t generator_increment;

// Stream 0 keeps the generator's usual increment. Neighbouring streams differ in
// their high bits, so even their first draws (taken from the high bits) part at once.
constexpr std::uint64_t STREAM_ZERO_INCREMENT = 1442695040888963407ULL;
constexpr std::uint64_t STREAM_STEP = 0x9E3779B97F4A7C15ULL << 1;   // even: increments stay odd

int draw_below(int range) { return static_cast<int>(deal_draw() % static_cast<std::uint32_t>(range)); }

void place_deal_table() {
  for (int s = 0; s < TILE_COUNT; ++s) {
    slot_cell(s).tile_id = deal_table[s];
    slot_cell(s).state = TILE_IN_PLACE;
  }
}

void shuffled_deal() {
  random_ranking(deal_table, TILE_COUNT);
  place_deal_table();
}

bool partner_fits(int c, int d, const bool* used) { return !used[d] && d != c && slots_apart(c, d); }

int draw_free_slot(SlotBand band, const bool* used) {
  bool any = false;
  for (int s = band.first; s < band.first + band.size && !any; ++s) any = !used[s];
  if (!any) return -1;
  int c;
  do c = band.first + draw_below(band.size); while (used[c]);
  return c;
}

// The last pair takes the two slots left, whether or not they are neighbours:
// the higher one is the source.
void last_two_free(const bool* used, int* c, int* d) {
  *c = -1;
  *d = -1;
  for (int s = 0; s < TILE_COUNT; ++s) {
    if (used[s]) continue;
    if (*d < 0) *d = s; else *c = s;
  }
}

// Both tiles of a pair are taken off as if the player had removed them, so the
// next candidate is tested on the board the player will face at that point.
void place_pair(int c, int d, int face_id, bool* used, BuildRecord* record) {
  used[c] = used[d] = true;
  slot_cell(c).state = TILE_REMOVED;
  slot_cell(d).state = TILE_REMOVED;
  deal_table[c] = face_id;
  deal_table[d] = face_id + PAIR_COUNT;
  record->first[record->placed] = c;
  record->second[record->placed] = d;
  ++record->placed;
}

}  // namespace

long long (*deal_clock)() = calendar_seconds;

// Seconds are consecutive: a mixing step first, so that neighbouring seconds start
// far apart in the generator's sequence.
void deal_seed(long long second, int stream) {
  std::uint64_t z = static_cast<std::uint64_t>(second) + 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  generator_state = z ^ (z >> 31);
  generator_increment = STREAM_ZERO_INCREMENT + static_cast<std::uint64_t>(stream) * STREAM_STEP;
  deal_draw();
}

std::uint32_t deal_draw() {
  std::uint64_t old = generator_state;
  generator_state = old * 6364136223846793005ULL + generator_increment;
  std::uint32_t xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  std::uint32_t rot = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

// The rank of a draw is the number of smaller draws, and among equal draws the
// lower index ranks lower: the position of the index when the indices are sorted
// by (draw, index). Sorting keeps a deal's ranking at a few hundred comparisons.
void rank_draws(const std::uint32_t* draws, int* values, int count) {
  int order[TILE_COUNT];
  if (count > TILE_COUNT) count = TILE_COUNT;
  for (int i = 0; i < count; ++i) order[i] = i;
  std::sort(order, order + count, [draws](int a, int b) {
    return draws[a] != draws[b] ? draws[a] < draws[b] : a < b;
  });
  for (int rank = 0; rank < count; ++rank) values[order[rank]] = rank;
}

// No count larger than a deal is ever asked for, so the draws stay on the stack;
// a larger count gets the plain order rather than a write past the array.
static void draw_ranking(int* values, int count) {
  if (count > TILE_COUNT) {
    for (int i = 0; i < count; ++i) values[i] = i;
    return;
  }
  std::uint32_t draws[TILE_COUNT];
  for (int i = 0; i < count; ++i) draws[i] = deal_draw();
  rank_draws(draws, values, count);
}

void random_ranking(int* values, int count) {
  deal_seed(deal_clock(), 0);
  draw_ranking(values, count);
}

int slots_apart(int a, int b) {
  int ax = a % DEAL_COLS, ay = a / DEAL_COLS;
  int bx = b % DEAL_COLS, by = b / DEAL_COLS;
  bool row_neighbours = ay == by && (ax - bx == 1 || bx - ax == 1);
  bool column_neighbours = ax == bx && (ay - by == 1 || by - ay == 1);
  return row_neighbours || column_neighbours ? 0 : 1;
}

// The build opens the deal from its top edge, then from its bottom edge, and
// only then anywhere: pairs in the outer rows always join round the empty ring.
SlotBand band_for_pair(int placed) {
  if (placed <= 2) return SlotBand{0, 18};
  if (placed <= 5) return SlotBand{0, 36};
  if (placed <= 14) return SlotBand{0, 54};
  if (placed <= 17) return SlotBand{126, 18};
  if (placed <= 20) return SlotBand{108, 36};
  if (placed <= 29) return SlotBand{90, 54};
  return SlotBand{0, TILE_COUNT};
}

int draw_partner(SlotBand band, int c, const bool* used) {
  bool any = false;
  for (int s = band.first; s < band.first + band.size && !any; ++s) any = partner_fits(c, s, used);
  if (!any) return -1;
  int d;
  do d = band.first + draw_below(band.size); while (!partner_fits(c, d, used));
  return d;
}

// The second and the attempt seed apart (state and stream), so a retry never
// repeats another second's build, while two deals asked for in the same second
// still come out the same.
int build_solvable_deal(long long second, int attempt, int test_limit, BuildRecord* record) {
  deal_seed(second, attempt);
  int face_order[PAIR_COUNT];
  draw_ranking(face_order, PAIR_COUNT);

  bool used[TILE_COUNT] = {};
  record->placed = 0;
  record->tests = 0;
  clear_board();
  for (int s = 0; s < TILE_COUNT; ++s) slot_cell(s).state = TILE_IN_PLACE;

  while (record->placed < PAIR_COUNT && record->tests < test_limit) {
    ++record->tests;
    int c, d;
    if (record->placed == PAIR_COUNT - 1) {
      last_two_free(used, &c, &d);
      if (c < 0) continue;
    } else {
      SlotBand band = band_for_pair(record->placed);
      c = draw_free_slot(band, used);
      d = c < 0 ? -1 : draw_partner(band, c, used);
      if (d < 0) continue;
    }
    if (can_connect(slot_x(c), slot_y(c), slot_x(d), slot_y(d))) {
      place_pair(c, d, face_order[record->placed], used, record);
    }
  }
  place_deal_table();
  return record->placed == PAIR_COUNT;
}

// Every retry of one deal takes the same clock second.
void make_deal(WindowHandle owner, int mode, int test_limit) {
  clear_board();
  bool built = false;
  if (mode == MODE_EASY) {
    long long second = deal_clock();
    BuildRecord record;
    for (int attempt = 0; attempt < DEAL_ATTEMPTS && !built; ++attempt) {
      built = build_solvable_deal(second, attempt, test_limit, &record);
    }
    if (!built) platform_message_box(owner, "失敗しました！", "牌の作成");
  }
  if (!built) shuffled_deal();
  selected_slot = NO_SELECTION;
}

void new_deal(WindowHandle owner, int mode) { make_deal(owner, mode, PAIR_TEST_LIMIT); }
