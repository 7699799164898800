// Stuck and cleared tests, undo of the latest removal, and the reset of tile looks.
#include <utility>
#include <vector>
#include "connection.h"
#include "outcome.h"
#include "rules_fixture.h"

namespace {

using OutcomeTest = RulesTest;

// Puts tile id on the board at cell (x, y).
void tile_at(int x, int y, int tile_id) {
  cell_at(x, y).state = TILE_IN_PLACE;
  cell_at(x, y).tile_id = tile_id;
}

// A full board without a move: each deal row is the faces c + shift (mod 36) for
// column c, so no face repeats along an outer side or between neighbours, and a
// full board joins nothing else.
void stuck_full_board() {
  const int shift[DEAL_ROWS] = {0, 18, 9, 27, 4, 22, 13, 31};
  int seen[FACE_COUNT] = {};
  fill_board();
  for (int s = 0; s < TILE_COUNT; ++s) {
    int face = (s % DEAL_COLS + shift[s / DEAL_COLS]) % FACE_COUNT;
    slot_cell(s).tile_id = face + FACE_COUNT * seen[face]++;
  }
}

}  // namespace

TEST_F(OutcomeTest, BoardBeforeTheFirstDealIsNeitherStuckNorCleared) {
  EXPECT_EQ(board_is_stuck(), 0);
  EXPECT_EQ(board_is_cleared(), 0);
  EXPECT_EQ(undo_move(), 0);
}

TEST_F(OutcomeTest, WalledInPairIsStuckUntilAWallGoes) {
  empty_deal_area();
  tile_at(5, 5, 0);
  tile_at(12, 5, 36);  // same face, far away
  tile_at(4, 5, 1);
  tile_at(6, 5, 2);
  tile_at(5, 4, 3);
  tile_at(5, 6, 4);
  EXPECT_EQ(board_is_stuck(), 1);
  put(5, 6, TILE_REMOVED);
  EXPECT_EQ(board_is_stuck(), 0);
}

TEST_F(OutcomeTest, FewerThanTwoTilesIsNotStuck) {
  empty_deal_area();
  EXPECT_EQ(board_is_stuck(), 0);
  tile_at(5, 5, 0);
  EXPECT_EQ(board_is_stuck(), 0);
  tile_at(9, 2, 1);  // two tiles, different faces
  EXPECT_EQ(board_is_stuck(), 1);
}

TEST_F(OutcomeTest, FullBoardWithoutAMoveIsStuckAndOneOpeningUnsticksIt) {
  stuck_full_board();
  for (int i = 1; i < TILE_COUNT; ++i) {
    for (int j = 0; j < i; ++j) {
      if (face_of(slot_cell(i).tile_id) != face_of(slot_cell(j).tile_id)) continue;
      ASSERT_FALSE(path_exists(slot_x(i), slot_y(i), slot_x(j), slot_y(j))) << i << " " << j;
    }
  }
  EXPECT_EQ(board_is_stuck(), 1);
  // Taking the corner tile opens the tile below it to the ring, but no top-row
  // tile shares its face; taking that one too lets the third row's first tile
  // (face 9) reach the top row's tile of face 9 round the ring.
  slot_cell(0).state = TILE_REMOVED;
  EXPECT_EQ(board_is_stuck(), 1);
  slot_cell(18).state = TILE_REMOVED;
  EXPECT_EQ(board_is_stuck(), 0);
}

TEST_F(OutcomeTest, OneRemovablePairAmongManyTilesIsNotStuck) {
  stuck_full_board();
  int other = 0;
  while (other == 50 || face_of(slot_cell(other).tile_id) != face_of(slot_cell(50).tile_id)) ++other;
  std::swap(slot_cell(51).tile_id, slot_cell(other).tile_id);  // slot 51 now matches its neighbour
  EXPECT_EQ(board_is_stuck(), 0);
}

TEST_F(OutcomeTest, UndoTakesRemovalsBackNewestFirst) {
  fill_board();
  record_removal(0, 17);    // A
  record_removal(40, 60);   // B
  record_removal(90, 143);  // C
  EXPECT_EQ(undo_move(), 1);
  EXPECT_EQ(slot_cell(90).state, TILE_IN_PLACE);
  EXPECT_EQ(slot_cell(143).state, TILE_IN_PLACE);
  EXPECT_EQ(slot_cell(40).state, TILE_REMOVED);
  EXPECT_EQ(slot_cell(0).state, 3);
  EXPECT_EQ(fake::shown_windows(), (std::vector<WindowHandle>{fake_window(90), fake_window(143)}));
  EXPECT_EQ(undo_move(), 1);
  EXPECT_EQ(undo_move(), 1);
  for (int s = 0; s < TILE_COUNT; ++s) ASSERT_EQ(slot_cell(s).state, TILE_IN_PLACE);
  EXPECT_EQ(fake::shown_windows().size(), 6u);
  EXPECT_EQ(undo_move(), 0);
  EXPECT_TRUE(fake::recolors().empty());
}

TEST_F(OutcomeTest, UndoDropsThePickAndTheLatestRemovalTogether) {
  fill_board();
  record_removal(3, 4);
  slot_cell(10).state = TILE_SELECTED;
  selected_slot = 10;
  EXPECT_EQ(undo_move(), 1);
  EXPECT_EQ(selected_slot, NO_SELECTION);
  EXPECT_EQ(slot_cell(10).state, TILE_IN_PLACE);
  EXPECT_EQ(slot_cell(3).state, TILE_IN_PLACE);
  auto recolors = fake::recolors();
  ASSERT_EQ(recolors.size(), 1u);
  EXPECT_EQ(recolors[0].window, fake_window(10));
  EXPECT_EQ(recolors[0].image_id, IDB_PAI_FIRST + 10);
  EXPECT_EQ(recolors[0].d, MARK_NORMAL);
  EXPECT_EQ(recolors[0].draw, 1);
  for (int from : {MARK_HINT, MARK_SPARE, MARK_SELECTED}) {
    EXPECT_TRUE(recolors[0].a == from || recolors[0].b == from || recolors[0].c == from) << from;
  }
}

TEST_F(OutcomeTest, UndoWithOnlyAPickDropsIt) {
  fill_board();
  slot_cell(7).state = TILE_SELECTED;
  selected_slot = 7;
  EXPECT_EQ(undo_move(), 1);
  EXPECT_EQ(slot_cell(7).state, TILE_IN_PLACE);
  EXPECT_TRUE(fake::shown_windows().empty());
  EXPECT_EQ(undo_move(), 0);
}

TEST_F(OutcomeTest, ClearedAfterTheLastPairAndNotAfterOneUndo) {
  fill_board();
  for (int pair = 0; pair < PAIR_COUNT; ++pair) {
    EXPECT_EQ(board_is_cleared(), 0);
    record_removal(pair, TILE_COUNT - 1 - pair);
  }
  EXPECT_EQ(board_is_cleared(), 1);
  EXPECT_EQ(board_is_stuck(), 0);
  EXPECT_EQ(undo_move(), 1);
  EXPECT_EQ(board_is_cleared(), 0);
  EXPECT_EQ(slot_cell(0).state, CLEARED_STATE - 1);
}

TEST_F(OutcomeTest, ResetTileLooksCoversEveryTileWithItsOwnPicture) {
  fill_board();
  for (int draw : {0, 1}) {
    fake::clear_records();
    reset_tile_looks(draw);
    auto recolors = fake::recolors();
    ASSERT_EQ(recolors.size(), static_cast<size_t>(TILE_COUNT));
    for (int s = 0; s < TILE_COUNT; ++s) {
      EXPECT_EQ(recolors[s].window, fake_window(s));
      EXPECT_EQ(recolors[s].image_id, IDB_PAI_FIRST + s);
      EXPECT_EQ(recolors[s].draw, draw);
    }
  }
  // A tile left lit, picked or spare comes back to the normal look.
  platform_recolor_tile(fake_window(3), IDB_PAI_FIRST + 3, MARK_NORMAL, 0, 0, MARK_SPARE, 1);
  platform_recolor_tile(fake_window(4), IDB_PAI_FIRST + 4, MARK_NORMAL, 0, 0, MARK_HINT, 1);
  reset_tile_looks(1);
  EXPECT_EQ(fake::look(IDB_PAI_FIRST + 3), MARK_NORMAL);
  EXPECT_EQ(fake::look(IDB_PAI_FIRST + 4), MARK_NORMAL);
}
