// The connection rule: shape codes, search preferences, drawn paths, and agreement
// with an independent path search on many random boards.
#include <initializer_list>
#include <ostream>
#include <random>
#include <vector>
#include "connection.h"
#include "rules_fixture.h"

namespace {

struct Cells {
  int x, y;
};

bool operator==(Cells a, Cells b) { return a.x == b.x && a.y == b.y; }
std::ostream& operator<<(std::ostream& out, Cells c) { return out << "(" << c.x << ", " << c.y << ")"; }

// Turns the drawn segments back into cells and checks they form one path from the
// source to the target, target side first, through passable cells.
std::vector<Cells> drawn_path(const std::vector<fake::Segment>& segments) {
  std::vector<Cells> corners;
  for (auto it = segments.rbegin(); it != segments.rend(); ++it) {
    Cells from{(it->x1 - 32) / 36, (it->y1 - 54) / 49};
    Cells to{(it->x2 - 32) / 36, (it->y2 - 54) / 49};
    EXPECT_TRUE(line_anchor(from.x, from.y).x == it->x1 && line_anchor(from.x, from.y).y == it->y1);
    EXPECT_TRUE(line_anchor(to.x, to.y).x == it->x2 && line_anchor(to.x, to.y).y == it->y2);
    if (corners.empty()) corners.push_back(from);
    EXPECT_TRUE(corners.back() == from) << "segments do not join";
    corners.push_back(to);
  }
  return corners;
}

void expect_path_open(const std::vector<Cells>& corners) {
  for (size_t k = 0; k + 1 < corners.size(); ++k) {
    Cells a = corners[k], b = corners[k + 1];
    ASSERT_TRUE(a.x == b.x || a.y == b.y) << "segment is not straight";
    int dx = (b.x > a.x) - (b.x < a.x), dy = (b.y > a.y) - (b.y < a.y);
    for (Cells c{a.x + dx, a.y + dy}; !(c == b); c = Cells{c.x + dx, c.y + dy}) {
      EXPECT_NE(cell_at(c.x, c.y).state, TILE_IN_PLACE) << "path runs through (" << c.x << ", " << c.y << ")";
    }
    if (k + 2 < corners.size()) {
      EXPECT_NE(cell_at(b.x, b.y).state, TILE_IN_PLACE) << "corner blocked";
    }
  }
}

std::vector<Cells> draw_and_read(int x1, int y1, int x2, int y2) {
  fake::clear_records();
  EXPECT_EQ(draw_connection(x1, y1, x2, y2, nullptr), 1);
  return drawn_path(fake::segments());
}

// The drawn path, source first, corner by corner.
void expect_drawn(int x1, int y1, int x2, int y2, const std::vector<Cells>& corners) {
  EXPECT_EQ(draw_and_read(x1, y1, x2, y2), corners);
}

// An empty deal area with tiles in place only at the given cells.
void tiles_only_at(std::initializer_list<Cells> tiles) {
  empty_deal_area();
  for (Cells c : tiles) put(c.x, c.y, TILE_IN_PLACE);
}

using ConnectionTest = RulesTest;

}  // namespace

TEST_F(ConnectionTest, NeighboursJoinStraightWhateverSurroundsThem) {
  fill_board();
  EXPECT_EQ(connect_straight(5, 4, 4, 4), 1);
  EXPECT_EQ(connect_straight(5, 4, 6, 4), 2);
  EXPECT_EQ(connect_straight(5, 4, 5, 5), 3);
  EXPECT_EQ(connect_straight(5, 4, 5, 3), 4);
  EXPECT_EQ(connect_straight(5, 4, 6, 5), 0);  // diagonal
  EXPECT_EQ(connect_straight(5, 4, 7, 4), 0);  // a tile between
}

TEST_F(ConnectionTest, SameCellAndCellsOutsideTheGridNeverJoin) {
  empty_deal_area();
  EXPECT_EQ(can_connect(3, 3, 3, 3), 0);
  EXPECT_EQ(connect_straight(3, 3, 3, 3), 0);
  EXPECT_EQ(connect_one_turn(3, 3, 3, 3), 0);
  EXPECT_EQ(connect_two_turns(3, 3, 3, 3), 0);
  EXPECT_EQ(can_connect(-1, 3, 3, 3), 0);
  EXPECT_EQ(can_connect(3, 3, 20, 3), 0);
  EXPECT_EQ(draw_connection(3, 3, 3, 10, nullptr), 0);
  EXPECT_TRUE(fake::segments().empty());
}

TEST_F(ConnectionTest, EndsOfTheTopRowJoinRoundTheRingFromAbove) {
  fill_board();
  EXPECT_EQ(connect_straight(1, 1, 18, 1), 0);
  EXPECT_EQ(connect_one_turn(1, 1, 18, 1), 0);
  EXPECT_EQ(connect_two_turns(1, 1, 18, 1), 9);
  expect_drawn(1, 1, 18, 1, {{1, 1}, {1, 0}, {18, 0}, {18, 1}});
}

TEST_F(ConnectionTest, EndsOfTheLeftColumnJoinRoundTheRingFromTheLeft) {
  fill_board();
  EXPECT_EQ(connect_two_turns(1, 1, 1, 8), 11);
  EXPECT_EQ(connect_two_turns(18, 8, 18, 1), 12);
}

TEST_F(ConnectionTest, TopRowAndLeftColumnNeedThreeTurnsAndAreRefused) {
  fill_board();
  EXPECT_EQ(can_connect(5, 1, 1, 5), 0);
  EXPECT_EQ(can_connect(1, 5, 5, 1), 0);
  EXPECT_FALSE(path_exists(5, 1, 1, 5));
}

TEST_F(ConnectionTest, ASnakeOfFourSegmentsIsRefused) {
  fill_board();
  for (Cells c : {Cells{2, 3}, Cells{2, 4}, Cells{3, 4}, Cells{4, 4}, Cells{4, 5}, Cells{4, 6}, Cells{5, 6}}) {
    put(c.x, c.y, CELL_NO_TILE);
  }
  EXPECT_EQ(can_connect(2, 2, 6, 6), 0);
  EXPECT_EQ(draw_connection(2, 2, 6, 6, nullptr), 0);
  EXPECT_TRUE(fake::segments().empty());
  put(3, 6, CELL_NO_TILE);
  put(2, 5, CELL_NO_TILE);
  put(2, 6, CELL_NO_TILE);  // now down then right: one turn
  EXPECT_EQ(connect_one_turn(2, 2, 6, 6), 6);
}

TEST_F(ConnectionTest, PickedAndRemovedTilesAreWalkedThrough) {
  fill_board();
  put(2, 1, TILE_SELECTED);
  EXPECT_EQ(connect_straight(1, 1, 3, 1), 2);
  put(5, 5, TILE_REMOVED + 40);
  put(5, 6, TILE_REMOVED);
  EXPECT_EQ(connect_straight(5, 4, 5, 7), 3);
  EXPECT_EQ(connect_straight(5, 7, 5, 4), 4);
}

TEST_F(ConnectionTest, VerticalFirstElbowWinsWhenBothAreOpen) {
  tiles_only_at({{3, 6}, {7, 2}});
  EXPECT_EQ(connect_one_turn(3, 6, 7, 2), 5);
  EXPECT_EQ(connect_one_turn(7, 2, 3, 6), 6);
  expect_drawn(3, 6, 7, 2, {{3, 6}, {3, 2}, {7, 2}});
}

TEST_F(ConnectionTest, HorizontalFirstElbowWhenTheColumnIsBlocked) {
  tiles_only_at({{3, 6}, {7, 2}, {3, 4}});
  EXPECT_EQ(connect_one_turn(3, 6, 7, 2), 8);
  put(8, 2, TILE_IN_PLACE);
  put(8, 6, TILE_IN_PLACE);
  EXPECT_EQ(connect_one_turn(8, 6, 7, 2), 7);
  expect_drawn(3, 6, 7, 2, {{3, 6}, {7, 6}, {7, 2}});
}

TEST_F(ConnectionTest, ElbowCornerOnTheTargetRowMustItselfBeFree) {
  // Both corners, (3, 2) and (7, 6), hold tiles.
  tiles_only_at({{3, 6}, {7, 2}, {3, 2}, {7, 6}});
  EXPECT_EQ(connect_one_turn(3, 6, 7, 2), 0);
  EXPECT_EQ(connect_two_turns(3, 6, 7, 2), 9);
}

TEST_F(ConnectionTest, SameRowIsNeverAnElbow) {
  tiles_only_at({{2, 4}, {9, 4}});
  EXPECT_EQ(connect_one_turn(2, 4, 9, 4), 0);
  EXPECT_EQ(connect_straight(2, 4, 9, 4), 2);
}

TEST_F(ConnectionTest, TwoTurnsTryUpBeforeDownAndTheNearestCornerFirst) {
  // (5, 7) blocks the vertical-first elbow, (8, 5) the horizontal-first one and
  // every path whose first leg goes up.
  tiles_only_at({{5, 5}, {8, 7}, {5, 7}, {8, 5}});
  EXPECT_EQ(connect_one_turn(5, 5, 8, 7), 0);
  EXPECT_EQ(connect_two_turns(5, 5, 8, 7), 10);
  fake::clear_records();
  EXPECT_EQ(draw_two_turns(5, 5, 8, 7, nullptr), 10);
  EXPECT_EQ(drawn_path(fake::segments()), (std::vector<Cells>{{5, 5}, {5, 6}, {8, 6}, {8, 7}}));
  // From the other end the first leg up is open at once.
  EXPECT_EQ(connect_two_turns(8, 7, 5, 5), 9);
  expect_drawn(8, 7, 5, 5, {{8, 7}, {8, 6}, {5, 6}, {5, 5}});
}

TEST_F(ConnectionTest, DrawingFormsReturnTheSameCodesAndDrawNothingOnFailure) {
  fill_board();
  EXPECT_EQ(draw_straight(1, 1, 18, 1, nullptr), 0);
  EXPECT_EQ(draw_one_turn(1, 1, 18, 1, nullptr), 0);
  EXPECT_TRUE(fake::segments().empty());
  EXPECT_EQ(draw_straight(4, 4, 5, 4, nullptr), 2);
  EXPECT_EQ(fake::segments().size(), 1u);
}

TEST_F(ConnectionTest, AgreesWithAnIndependentSearchOnRandomBoards) {
  std::mt19937 rng(12345);
  int joined = 0, refused = 0;
  for (unsigned board_number = 0; board_number < 3000; ++board_number) {
    random_mid_game(board_number, static_cast<int>(rng() % 100));
    for (int query = 0; query < 20; ++query) {
      int x1 = static_cast<int>(rng() % GRID_COLS), y1 = static_cast<int>(rng() % GRID_ROWS);
      int x2 = static_cast<int>(rng() % GRID_COLS), y2 = static_cast<int>(rng() % GRID_ROWS);
      bool expected = path_exists(x1, y1, x2, y2);
      ASSERT_EQ(can_connect(x1, y1, x2, y2), expected ? 1 : 0)
          << "board " << board_number << " (" << x1 << "," << y1 << ")->(" << x2 << "," << y2 << ")";
      ASSERT_EQ(can_connect(x2, y2, x1, y1), expected ? 1 : 0) << "board " << board_number << " reversed";
      if (!expected) {
        ++refused;
        continue;
      }
      ++joined;
      auto corners = draw_and_read(x1, y1, x2, y2);
      ASSERT_GE(corners.size(), 2u);
      ASSERT_LE(corners.size(), 4u);
      EXPECT_TRUE(corners.front() == (Cells{x1, y1}));
      EXPECT_TRUE(corners.back() == (Cells{x2, y2}));
      expect_path_open(corners);
    }
  }
  EXPECT_GT(joined, 5000);
  EXPECT_GT(refused, 5000);
}
