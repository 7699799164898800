// Figures of play on screen in the real main window: a first pick to its look, an
// accepted pair to its line, a new easy game to all tiles repainted, one hint scan
// (run under Wine: scripts/measure-play.sh). With "new-game N", only the new game,
// N times, to be set beside the window design's own repaint (tools/design_floor).
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include "board.h"
#include "connection.h"
#include "deal.h"
#include "main_window_harness.h"
#include "resource.h"
#include "settings.h"
#include "shell_state.h"
#include "sound.h"
#include "stopwatch.h"
#include "tile_windows.h"

namespace {

HWND window = nullptr;

void silent(const char*) {}

struct Figure {
  const char* name;
  std::function<void()> work;
  double median = 0, quartile = 0;
};

// Runs prepare (untimed) then each figure's work (timed), in turn, rounds times, so
// that figures taken together meet the same moments of the machine. Prints for each
// the median, the fastest quarter's end (less swayed by other programs on the
// machine) and the worst.
void measure_together(std::vector<Figure>& figures, int rounds, const std::function<void()>& prepare) {
  std::vector<std::vector<double>> times(figures.size());
  for (int round = 0; round < rounds; ++round) {
    for (size_t i = 0; i < figures.size(); ++i) {
      prepare();
      double start = now_ms();
      figures[i].work();
      GdiFlush();
      times[i].push_back(now_ms() - start);
    }
  }
  for (size_t i = 0; i < figures.size(); ++i) {
    std::vector<double>& t = times[i];
    std::sort(t.begin(), t.end());
    figures[i].median = t[t.size() / 2];
    figures[i].quartile = t[t.size() / 4];
    std::printf("%-44s median %8.3f ms   quartile %8.3f ms   worst %8.3f ms   (%d rounds)\n",
                figures[i].name, figures[i].median, figures[i].quartile, t.back(), rounds);
  }
}

void measure(const char* name, int rounds, const std::function<void()>& prepare,
             const std::function<void()>& work) {
  std::vector<Figure> figures = {{name, work}};
  measure_together(figures, rounds, prepare);
}

void click(int slot) { SendMessageA(window, WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(pai_windows[slot])); }
void key(int virtual_key) { SendMessageA(window, WM_KEYDOWN, virtual_key, 0); }
void repaint_everything() { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// What the hint worker scans for: every pair of one face on the board that a path joins.
std::vector<std::pair<int, int>> removable_pairs() {
  std::vector<std::pair<int, int>> pairs;
  for (int i = 1; i < TILE_COUNT; ++i)
    for (int j = 0; j < i; ++j)
      if (slot_cell(i).state == TILE_IN_PLACE && slot_cell(j).state == TILE_IN_PLACE &&
          face_of(slot_cell(i).tile_id) == face_of(slot_cell(j).tile_id) &&
          can_connect(slot_x(i), slot_y(i), slot_x(j), slot_y(j)))
        pairs.emplace_back(j, i);
  return pairs;
}

// On a full normal deal, with a pair that a path joins.
void measure_picks(int first, int second) {
  measure("first pick to its selected look on screen", 1000,
          [first] {
            if (selected_slot != NO_SELECTION) click(first);   // cancelled: the next is a first pick
          },
          [first] { click(first); });
  key(VK_BACK);
  measure("accepted second pick to its line on screen", 1000,
          [first] {
            key(VK_BACK);   // the previous pair back on the board
            repaint_everything();
            click(first);
          },
          [second] {
            click(second);
            UpdateWindow(window);
          });
}

void new_easy_game() {
  game_mode = MODE_EASY;
  SendMessageA(window, WM_COMMAND, IDM_NEW_GAME, 0);
  repaint_everything();
}

void measure_new_games(int rounds) {
  measure("new easy game to all 144 tiles repainted", rounds, repaint_everything, new_easy_game);
}

// What the game adds to the repaint a new deal needs: the new game beside its 144 tile
// windows invalidated and repainted alone (what the design floor does), round by round.
void measure_new_game_share(int rounds) {
  std::vector<Figure> figures = {
      {"new easy game to all 144 tiles repainted", new_easy_game},
      {"the same tiles invalidated and repainted", [] {
         for (int slot = 0; slot < TILE_COUNT; ++slot)
           InvalidateRect(static_cast<HWND>(pai_windows[slot]), nullptr, FALSE);
         repaint_everything();
       }}};
  measure_together(figures, rounds, repaint_everything);
  std::printf("new game / its repaint alone: %.2f (medians), %.2f (fastest quarters)\n",
              figures[0].median / figures[1].median, figures[0].quartile / figures[1].quartile);
}

void measure_play() {
  std::vector<std::pair<int, int>> pairs;
  measure("hint scan of a full board (no waits)", 300, [] {}, [&pairs] { pairs = removable_pairs(); });
  std::printf("(that board has %d removable pairs)\n", static_cast<int>(pairs.size()));
  if (!pairs.empty()) measure_picks(pairs[0].first, pairs[0].second);
  measure_new_game_share(200);
}

}  // namespace

int main(int argc, char** argv) {
  const bool new_games_only = argc == 3 && std::strcmp(argv[1], "new-game") == 0;
  // The settings file beside this program is also the game's: keep it as it was.
  const bool existed = ini_exists(SETTINGS_FILE_NAME);
  const std::string kept = read_settings_text();
  write_settings_text("[Pos]\r\nX=60\r\nY=60\r\n");
  cue_sink = silent;
  window = open_main_window();
  keep_on_top(window);

  if (new_games_only)
    measure_new_games(std::max(1, std::atoi(argv[2])));
  else
    measure_play();
  close_main_window(window);
  if (existed)
    write_settings_text(kept.c_str());
  else
    remove_settings();
  return 0;
}
