// The board: layout, slot geometry, the removal history and restoring a deal.
#include <vector>
#include "rules_fixture.h"

namespace {

using BoardTest = RulesTest;

int removed_count() {
  int count = 0;
  for (int s = 0; s < TILE_COUNT; ++s) count += slot_cell(s).state >= TILE_REMOVED;
  return count;
}

}  // namespace

TEST_F(BoardTest, LayoutPlacesCellsTilesAndAnchors) {
  const Rect& first = slot_cell(0).cell_rect;
  EXPECT_EQ(first.left, 56); EXPECT_EQ(first.top, 84); EXPECT_EQ(first.right, 91); EXPECT_EQ(first.bottom, 132);
  const Rect& tile = tile_rects[0];
  EXPECT_EQ(tile.left, 49); EXPECT_EQ(tile.top, 70); EXPECT_EQ(tile.right, 84); EXPECT_EQ(tile.bottom, 118);
  const Rect& corner = cell_at(19, 9).cell_rect;
  EXPECT_EQ(corner.left, 704); EXPECT_EQ(corner.top, 476); EXPECT_EQ(corner.right, 739); EXPECT_EQ(corner.bottom, 524);
  EXPECT_EQ(line_anchor(1, 1).x, 68);
  EXPECT_EQ(line_anchor(1, 1).y, 103);
  // Column by column: the cell below (x, y) is the next element.
  EXPECT_EQ(&cell_at(3, 4) + 1, &cell_at(3, 5));
  EXPECT_EQ(&slot_cell(143), &cell_at(18, 8));
  EXPECT_EQ(&slot_cell(18), &cell_at(1, 2));
  const Rect& last_tile = tile_rects[143];
  EXPECT_EQ(last_tile.left, cell_at(18, 8).cell_rect.left - 7);
  EXPECT_EQ(last_tile.bottom, cell_at(18, 8).cell_rect.bottom - 14);
}

// At each display scale only the step is rounded: the far corner is whole steps from
// the first cell, and tiles and the line's ends keep their place in the cell.
TEST_F(BoardTest, LayoutAtEachScaleKeepsOneStepAndTheTilesPlaceInTheCell) {
  struct Row { int percent, first_left, first_top, corner_left, corner_top, tile_left, tile_top, end_x, end_y; };
  const Row rows[] = {{100, 56, 84, 704, 476, 49, 70, 68, 103},     {125, 70, 105, 880, 593, 61, 87, 85, 129},
                      {150, 84, 127, 1056, 719, 73, 106, 102, 156}, {175, 98, 147, 1232, 835, 86, 122, 119, 180},
                      {200, 112, 168, 1408, 952, 98, 140, 136, 206}, {300, 168, 252, 2112, 1428, 147, 210, 204, 309}};
  for (const Row& row : rows) {
    layout_cells(row.percent);
    const Rect& first = slot_cell(0).cell_rect;
    const Rect& corner = cell_at(19, 9).cell_rect;
    EXPECT_EQ((std::vector<int>{row.first_left, row.first_top, row.corner_left, row.corner_top, row.tile_left,
                                row.tile_top, row.end_x, row.end_y}),
              (std::vector<int>{first.left, first.top, corner.left, corner.top, tile_rects[0].left, tile_rects[0].top,
                                line_anchor(1, 1).x, line_anchor(1, 1).y}))
        << row.percent;
    EXPECT_EQ(corner.right - corner.left, first.right - first.left) << row.percent;
  }
}

TEST_F(BoardTest, RemovalsAgeOlderRemovalsAndCarryTheOrder) {
  fill_board();
  record_removal(0, 17);
  record_removal(40, 41);
  record_removal(100, 143);
  EXPECT_EQ(slot_cell(0).state, 4);
  EXPECT_EQ(slot_cell(17).state, 4);
  EXPECT_EQ(slot_cell(40).state, 3);
  EXPECT_EQ(slot_cell(143).state, TILE_REMOVED);
  EXPECT_EQ(removed_count(), 6);
  EXPECT_EQ(slot_cell(0).tile_id, 0);  // the id stays after removal
}

TEST_F(BoardTest, SeventyTwoRemovalsBringTheFirstPairToTheClearedState) {
  fill_board();
  for (int pair = 0; pair < PAIR_COUNT; ++pair) record_removal(2 * pair, 2 * pair + 1);
  EXPECT_EQ(slot_cell(0).state, CLEARED_STATE);
  EXPECT_EQ(slot_cell(1).state, CLEARED_STATE);
  EXPECT_EQ(slot_cell(2).state, CLEARED_STATE - 1);
  for (int x = 0; x < GRID_COLS; ++x) EXPECT_EQ(cell_at(x, 0).state, CELL_NO_TILE);  // the ring never ages
}

TEST_F(BoardTest, RemovalOfASlotOutsideTheDealIsIgnored) {
  fill_board();
  record_removal(3, 144);
  record_removal(-1, 3);
  EXPECT_EQ(removed_count(), 0);
}

TEST_F(BoardTest, RestoreDealPutsEveryTileBackAndDropsThePick) {
  fill_board();
  for (int s = 0; s < TILE_COUNT; ++s) deal_table[s] = TILE_COUNT - 1 - s;
  record_removal(5, 9);
  slot_cell(20).state = TILE_SELECTED;
  selected_slot = 20;
  restore_deal();
  for (int s = 0; s < TILE_COUNT; ++s) {
    ASSERT_EQ(slot_cell(s).state, TILE_IN_PLACE);
    ASSERT_EQ(slot_cell(s).tile_id, TILE_COUNT - 1 - s);
  }
  EXPECT_EQ(cell_at(0, 0).state, CELL_NO_TILE);
  EXPECT_EQ(cell_at(19, 5).state, CELL_NO_TILE);
  EXPECT_EQ(selected_slot, NO_SELECTION);
}
