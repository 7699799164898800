// The hint on screen: pairs lit in scan order, stopped by any key or pick without
// a mark left behind, many quick starts and stops, its ten-second price, and the
// worker's waits.
#include <set>
#include <thread>
#include "board.h"
#include "box_catcher.h"
#include "game_fixture.h"
#include "hint.h"
#include "modal_boxes.h"
#include "resource.h"
#include "shell_state.h"
#include "stop_request.h"

namespace {

// Three tiles of face 3 side by side in row 1: every two of them can be joined.
struct HintTest : GameTest {
  POINT ground[3];
  void SetUp() override {
    GameTest::SetUp();
    craft_board({{0, 3}, {1, 39}, {2, 75}});
    for (int slot = 0; slot < 3; ++slot) ground[slot] = ground_point(slot);
  }
  // The main window's thread draws the marks it takes from its queue, as the
  // program's message loop does between the reads.
  std::set<int> lit() {
    pump_messages();
    std::set<int> slots;
    for (int slot = 0; slot < 3; ++slot)
      if (ground_colour(slot, ground[slot]) != NORMAL_GROUND) slots.insert(slot);
    return slots;
  }
  bool wait_for_lit_pair(DWORD limit_ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < limit_ms) {
      if (lit().size() == 2) return true;
      Sleep(5);
    }
    return false;
  }
};

TEST_F(HintTest, PairsLightUpInScanOrder) {
  command(IDM_HINT);
  std::vector<std::set<int>> seen;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 5200) {
    std::set<int> now = lit();
    if (now.size() == 2 && (seen.empty() || seen.back() != now)) seen.push_back(now);
    Sleep(10);
  }
  EXPECT_EQ((std::vector<std::set<int>>{{0, 1}, {0, 2}, {1, 2}}), seen);
  EXPECT_TRUE(lit().empty());
}

TEST_F(HintTest, AKeyDuringALitPairLeavesNoTileMarked) {
  command(IDM_HINT);
  ASSERT_TRUE(wait_for_lit_pair(2000));
  key(VK_SPACE);
  EXPECT_EQ(nullptr, hint_thread);
  EXPECT_TRUE(lit().empty());
  Sleep(1600);   // long enough for the worker's next mark, had it gone on
  EXPECT_TRUE(lit().empty());
}

TEST_F(HintTest, APickDuringALitPairStopsItAndPicks) {
  command(IDM_HINT);
  ASSERT_TRUE(wait_for_lit_pair(2000));
  cues_played.clear();
  click(2);
  EXPECT_EQ(std::vector<std::string>{"check"}, cues_played);
  EXPECT_EQ(2, selected_slot);
  EXPECT_EQ(NORMAL_GROUND, ground_colour(0, ground[0]));
  EXPECT_EQ(NORMAL_GROUND, ground_colour(1, ground[1]));
  EXPECT_EQ(SELECTED_GROUND, ground_colour(2, ground[2]));
  Sleep(1600);
  pump_messages();
  EXPECT_EQ(NORMAL_GROUND, ground_colour(0, ground[0]));
  EXPECT_EQ(NORMAL_GROUND, ground_colour(1, ground[1]));
}

TEST_F(HintTest, HintDropsAPick) {
  click(1);
  command(IDM_HINT);
  EXPECT_EQ(NO_SELECTION, selected_slot);
  EXPECT_EQ(TILE_IN_PLACE, slot_cell(1).state);
  key(VK_SPACE);
  EXPECT_EQ(NORMAL_GROUND, ground_colour(1, ground[1]));
}

// On a board without pairs the "stuck" box comes from the main window's own thread,
// like every box of the program, so it takes the keyboard from the window it
// disables. A key that comes after the scan but before the box drops it: the board
// may be another by then. So does another box still open when the verdict comes,
// and the session's end, which shows nothing.
TEST_F(GameTest, TheStuckBoxComesOnTheMainThreadOnlyWhileItsHintIsCurrent) {
  enum Before { NOTHING, A_KEY, ANOTHER_BOX, SESSION_END };
  for (Before before : {NOTHING, A_KEY, ANOTHER_BOX, SESSION_END}) {
    SCOPED_TRACE(before);
    craft_board({{0, 3}, {1, 4}});   // two tiles of two faces: stuck
    HWND focus = nullptr, ok = nullptr;
    BoxCatcher catcher([&](HWND box) {
      focus = GetFocus();
      ok = GetDlgItem(box, IDOK);
      press_button(IDOK)(box);
    });
    command(IDM_HINT);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(static_cast<HANDLE>(hint_thread), 5000));
    if (before == A_KEY) key(VK_F2);
    if (before == ANOTHER_BOX) ASSERT_TRUE(take_modal_place());
    if (before == SESSION_END) SendMessageA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    pump_messages();
    if (before == ANOTHER_BOX) {
      EXPECT_TRUE(modal_box_open());   // still that box's place
      give_back_modal_place();
    }
    if (before != NOTHING) {
      EXPECT_TRUE(catcher.caught().empty());
    } else {
      ASSERT_EQ(std::vector<std::string>{"手詰まりです。"}, catcher.texts());
      EXPECT_STREQ("手詰まり", catcher.caught()[0].caption.c_str());
      EXPECT_EQ(ok, focus);
    }
  }
}

TEST_F(GameTest, AThousandStartsAndStopsEndCleanly) {
  for (int round = 0; round < 1000; ++round) {
    command(IDM_HINT);
    key(VK_SPACE);
  }
  EXPECT_EQ(nullptr, hint_thread);
  expect_full_board_in_normal_look();
}

TEST_F(GameTest, HintCostsTenSecondsOnlyWhileTheGameRuns) {
  elapsed_seconds = 100;
  command(IDM_HINT);
  EXPECT_EQ(110, elapsed_seconds);
  SendMessageA(window, WM_RBUTTONDOWN, 0, MAKELPARAM(20, 300));   // right click on the board
  EXPECT_EQ(120, elapsed_seconds);
  SendMessageA(tile_window(7), WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));   // and on a tile
  EXPECT_EQ(130, elapsed_seconds);
  EXPECT_EQ(NO_SELECTION, selected_slot);
  elapsed_seconds = 359995;
  command(IDM_HINT);
  EXPECT_EQ(5, elapsed_seconds);   // past 99:59:59 it wraps like the clock
  game_over = 1;
  command(IDM_HINT);
  EXPECT_EQ(5, elapsed_seconds);
  game_over = 0;
}

// With its event, and without one when none could be made, a wait of the worker
// lasts as long as asked and a stop ends it at once.
TEST(HintStopRequest, WaitsRunTheirLengthAndEndOnAStop) {
  for (bool with_event : {true, false}) {
    SCOPED_TRACE(with_event ? "with an event" : "without an event");
    StopRequest request{with_event ? CreateEventA(nullptr, TRUE, FALSE, nullptr) : nullptr};
    DWORD start = GetTickCount();
    EXPECT_EQ(0, stop_request_wait(&request, 300));
    EXPECT_GE(GetTickCount() - start, 250u);   // a tick's grain short at most
    std::thread stopper([&request] {
      Sleep(100);
      stop_request_set(&request);
    });
    start = GetTickCount();
    EXPECT_EQ(1, stop_request_wait(&request, 60000));
    EXPECT_LT(GetTickCount() - start, 10000u);
    stopper.join();
    EXPECT_EQ(1, stop_request_wait(&request, 60000));   // set until cleared
    stop_request_clear(&request);
    EXPECT_EQ(0, stop_request_wait(&request, 50));
    if (request.event) CloseHandle(request.event);
  }
}

}  // namespace
