// Figures of the game on screen, measured, never asserted: they run only when asked
// (scripts/measure-play.sh passes --gtest_also_run_disabled_tests).
#include <stdio.h>
#include <algorithm>
#include <functional>
#include "board.h"
#include "connection.h"
#include "game_fixture.h"
#include "resource.h"
#include "shell_state.h"
#include "stopwatch.h"

namespace {

// Runs prepare (untimed) then work (timed) rounds times; prints median and worst.
void measure(const char* name, int rounds, const std::function<void()>& prepare,
             const std::function<void()>& work) {
  std::vector<double> times;
  for (int round = 0; round < rounds; ++round) {
    prepare();
    double start = now_ms();
    work();
    GdiFlush();
    times.push_back(now_ms() - start);
  }
  std::sort(times.begin(), times.end());
  printf("FIGURE %-44s median %8.3f ms   worst %8.3f ms   (%d rounds)\n", name,
         times[times.size() / 2], times.back(), rounds);
}

void repaint_everything() {
  RedrawWindow(GameTest::window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

TEST_F(GameTest, DISABLED_PickAndLineFigures) {
  craft_board({{0, 3}, {2, 39}});
  measure("first pick to its selected look on screen", 1000,
          [] {
            if (selected_slot != NO_SELECTION) click(0);   // cancelled: the next is a first pick
          },
          [] { click(0); });
  key(VK_BACK);
  measure("accepted second pick to its line on screen", 1000,
          [] {
            key(VK_BACK);   // the previous pair back on the board
            repaint_everything();
            click(0);
          },
          [] {
            click(2);
            UpdateWindow(GameTest::window);
          });
}

TEST_F(GameTest, DISABLED_NewGameFigures) {
  game_mode = 1;
  measure("new easy game to all 144 tiles repainted", 40, [] { repaint_everything(); },
          [] {
            command(IDM_NEW_GAME);
            repaint_everything();
          });
  game_mode = 0;
}

// The hint worker's whole scan of a full board, without its waits.
TEST_F(GameTest, DISABLED_HintScanFigures) {
  int removable = 0;
  measure("hint scan of a full board (no waits)", 300, [] {},
          [&removable] {
            removable = 0;
            for (int i = 1; i < TILE_COUNT; ++i)
              for (int j = 0; j < i; ++j)
                if (slot_cell(i).state == TILE_IN_PLACE && slot_cell(j).state == TILE_IN_PLACE &&
                    face_of(slot_cell(i).tile_id) == face_of(slot_cell(j).tile_id) &&
                    can_connect(slot_x(i), slot_y(i), slot_x(j), slot_y(j)))
                  ++removable;
          });
  printf("FIGURE (that board has %d removable pairs)\n", removable);
}

}  // namespace
