// Shared set-up of the rules tests: a laid-out empty board, fake tile windows,
// a fixed deal clock, and a path oracle independent of the connection search.
#pragma once
#include <gtest/gtest.h>
#include "fake_platform.h"
#include "rules_support.h"

// Tile window handles the fake can tell apart: slot s has window 0x1000 + s.
WindowHandle fake_window(int slot);

// Every slot holds a tile in place whose id is its slot number.
void fill_board();
// Every slot holds tile id slot and state CELL_NO_TILE: a board with nothing in the way.
void empty_deal_area();
void put(int x, int y, int state);

// A breadth-first search over the grid: is there a path of at most three straight
// segments between the cells, through cells that are not TILE_IN_PLACE?
bool path_exists(int x1, int y1, int x2, int y2);

// Some of the tiles of a full board taken, in a random mix of states, so that
// the connection rule meets every kind of cell.
void random_mid_game(unsigned seed, int percent_in_place);

void expect_box(const fake::Box& box, WindowHandle owner, const char* text, const char* caption);

struct RulesTest : testing::Test {
  void SetUp() override;
  void TearDown() override;
};
