// The shared main window of the game tests and the helpers that craft and read boards.
#include "game_fixture.h"
#include <algorithm>
#include "board.h"
#include "main_window_harness.h"
#include "outcome.h"
#include "resource.h"
#include "shell_state.h"
#include "sound.h"
#include "tile_windows.h"

std::vector<std::string> cues_played;
HWND GameTest::window = nullptr;

namespace {

void record_cue(const char* name) { cues_played.push_back(name); }

}  // namespace

void GameTest::SetUpTestSuite() {
  write_settings_text("[Pos]\r\nX=60\r\nY=60\r\n");
  cue_sink = record_cue;
  window = open_main_window();
  keep_on_top(window);
}

void GameTest::TearDownTestSuite() {
  close_main_window(window);
  cue_sink = play_cue_with_platform;
  remove_settings();
}

void GameTest::SetUp() {
  ASSERT_TRUE(IsWindow(window));
  sound_on = 1;
  game_mode = 0;
  SendMessageA(window, WM_COMMAND, IDM_NEW_GAME, 0);
  pump_messages();
  cues_played.clear();
}

void GameTest::TearDown() {
  SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0);   // stops any hint, hides the banners
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
}

void craft_board(const std::vector<std::pair<int, int>>& in_place) {
  // Put each wanted id in its slot by swapping it with wherever the deal has it.
  for (auto [slot, id] : in_place) {
    int* where = std::find(deal_table, deal_table + TILE_COUNT, id);
    std::swap(*where, deal_table[slot]);
  }
  std::vector<int> others;
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    bool kept = std::any_of(in_place.begin(), in_place.end(),
                            [slot](const std::pair<int, int>& t) { return t.first == slot; });
    slot_cell(slot).tile_id = deal_table[slot];
    slot_cell(slot).state = TILE_IN_PLACE;
    if (!kept) others.push_back(slot);
  }
  for (size_t k = 0; k < others.size(); ++k) {
    slot_cell(others[k]).state = TILE_REMOVED + static_cast<int>(k / 2);
    ShowWindow(tile_window(others[k]), SW_HIDE);
  }
  selected_slot = NO_SELECTION;
  reset_tile_looks(0);
  for (auto [slot, id] : in_place) {
    ShowWindow(tile_window(slot), SW_SHOW);
    InvalidateRect(tile_window(slot), nullptr, TRUE);
  }
  RedrawWindow(GameTest::window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND tile_window(int slot) { return static_cast<HWND>(pai_windows[slot]); }

void click(int slot) {
  SendMessageA(GameTest::window, WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(tile_window(slot)));
}

void removal_ticks(int count) {
  for (int i = 0; i < count; ++i) SendMessageA(GameTest::window, WM_TIMER, TIMER_REMOVE, 0);
}

void key(int virtual_key) { SendMessageA(GameTest::window, WM_KEYDOWN, virtual_key, 0); }
void command(int id) { SendMessageA(GameTest::window, WM_COMMAND, id, 0); }

POINT ground_point(int slot) {
  HDC dc = GetDC(tile_window(slot));
  POINT found = {-1, -1};
  for (int y = 4; y < 45 && found.x < 0; ++y)
    for (int x = 4; x < 31 && found.x < 0; ++x)
      if (GetPixel(dc, x, y) == NORMAL_GROUND) found = POINT{x, y};
  ReleaseDC(tile_window(slot), dc);
  return found;
}

COLORREF ground_colour(int slot, POINT point) {
  HDC dc = GetDC(tile_window(slot));
  COLORREF colour = GetPixel(dc, point.x, point.y);
  ReleaseDC(tile_window(slot), dc);
  return colour;
}

void expect_full_board_in_normal_look() {
  RedrawWindow(GameTest::window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    ASSERT_EQ(TILE_IN_PLACE, slot_cell(slot).state) << slot;
    ASSERT_TRUE(IsWindowVisible(tile_window(slot))) << slot;
    ASSERT_GE(ground_point(slot).x, 0) << slot;
  }
}

int timer_runs(UINT_PTR id) { return KillTimer(GameTest::window, id) ? 1 : 0; }
