// A main window shared by the game tests, crafted boards, the cue recorder, and
// reading a tile's look from the screen.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <utility>
#include <vector>

extern std::vector<std::string> cues_played;

// One main window for the whole suite; every test starts on a new normal deal with
// sound on, an elapsed time of 0 and nothing recorded.
struct GameTest : testing::Test {
  static HWND window;
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;
};

// Lays out a board where only the given (slot, tile id) tiles are in place; every
// other tile counts as removed earlier, in pairs, and its window is hidden. The
// tile ids stay a permutation of 0..143.
void craft_board(const std::vector<std::pair<int, int>>& in_place);

HWND tile_window(int slot);
void click(int slot);                 // a left click on the tile, as its window sends it
void removal_ticks(int count);        // TIMER_REMOVE ticks, sent straight to the main window
void key(int virtual_key);
void command(int id);

// A point of the face's ground (the colour that marks a tile's look) on the tile
// window of slot, found in its normal look; and the colour there now, on screen.
POINT ground_point(int slot);
COLORREF ground_colour(int slot, POINT point);
constexpr COLORREF NORMAL_GROUND = RGB(235, 235, 245);
constexpr COLORREF SELECTED_GROUND = RGB(0, 255, 255);

// Every tile in place and shown, and in its normal look on screen once the window
// has repainted: nothing lit or picked is left behind.
void expect_full_board_in_normal_look();

// 1 if the main window's timer with that id runs (the probe stops it: ask last).
int timer_runs(UINT_PTR id);
