// The shared set-up of the rules tests and the path oracle.
#include "rules_fixture.h"
#include <cstdint>
#include <random>
#include "deal.h"
#include "hint.h"

namespace {

long long fixed_clock() { return 1700000000; }

}  // namespace

WindowHandle fake_window(int slot) {
  return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(0x1000 + slot));
}

void fill_board() {
  clear_board();
  for (int s = 0; s < TILE_COUNT; ++s) {
    slot_cell(s).state = TILE_IN_PLACE;
    slot_cell(s).tile_id = s;
    deal_table[s] = s;
  }
}

void empty_deal_area() {
  fill_board();
  clear_board();
}

void put(int x, int y, int state) { cell_at(x, y).state = state; }

// Breadth-first over (cell, heading) with the number of segments used as the
// distance; the first step from the source opens segment one.
bool path_exists(int x1, int y1, int x2, int y2) {
  if (x1 == x2 && y1 == y2) return false;
  const int dx[4] = {0, 0, -1, 1};
  const int dy[4] = {-1, 1, 0, 0};
  int segments_used[GRID_COLS][GRID_ROWS][4];
  for (auto& column : segments_used)
    for (auto& cell : column)
      for (int& d : cell) d = 99;
  struct Step { int x, y, heading; };
  std::vector<Step> frontier;
  for (int h = 0; h < 4; ++h) frontier.push_back(Step{x1, y1, h});
  for (int segment = 1; segment <= 3; ++segment) {
    std::vector<Step> turns;
    for (Step start : frontier) {
      int x = start.x + dx[start.heading], y = start.y + dy[start.heading];
      for (; x >= 0 && x < GRID_COLS && y >= 0 && y < GRID_ROWS; x += dx[start.heading], y += dy[start.heading]) {
        if (x == x2 && y == y2) return true;
        if (cell_at(x, y).state == TILE_IN_PLACE) break;
        if (segments_used[x][y][start.heading] <= segment) break;
        segments_used[x][y][start.heading] = segment;
        for (int h = 0; h < 4; ++h) {
          if (h != start.heading && h != (start.heading ^ 1)) turns.push_back(Step{x, y, h});
        }
      }
    }
    frontier = turns;
  }
  return false;
}

void random_mid_game(unsigned seed, int percent_in_place) {
  std::mt19937 rng(seed);
  fill_board();
  for (int s = 0; s < TILE_COUNT; ++s) {
    int roll = static_cast<int>(rng() % 100);
    if (roll < percent_in_place) continue;
    int kind = static_cast<int>(rng() % 10);
    slot_cell(s).state = kind == 0 ? TILE_SELECTED : kind == 1 ? CELL_NO_TILE : TILE_REMOVED + static_cast<int>(rng() % 70);
  }
}

void expect_box(const fake::Box& box, WindowHandle owner, const char* text, const char* caption) {
  EXPECT_EQ(box.owner, owner);
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.caption, caption);
}

void RulesTest::SetUp() {
  board_reset();
  fake::reset();
  layout_cells();
  for (int s = 0; s < TILE_COUNT; ++s) pai_windows[s] = fake_window(s);
  deal_clock = fixed_clock;
}

void RulesTest::TearDown() {
  hint_stop();
  fake::reset();
}
