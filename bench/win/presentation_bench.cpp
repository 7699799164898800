// Times the tile buffers' copies and one tile highlight drawn into a real window
// (run under Wine: scripts/wine-run build/win/presentation_bench.exe).
#include <windows.h>
#include <cstdio>
#include "art_sets.h"
#include "board.h"
#include "tile_pictures.h"
#include "tile_windows.h"
#include "../../tests/win/support/stopwatch.h"

namespace {

LRESULT CALLBACK parent_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}

HWND create_board_window() {
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = parent_proc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "Bench Parent";
  RegisterClassA(&window_class);
  window_class.lpfnWndProc = pai_wnd_proc;
  window_class.lpszClassName = "Pai Window";
  RegisterClassA(&window_class);

  layout_cells();
  for (int s = 0; s < TILE_COUNT; ++s) deal_table[s] = s;
  HWND parent = CreateWindowExA(0, "Bench Parent", "bench", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                780, 580, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  create_pai_windows(parent);
  UpdateWindow(parent);
  return parent;
}

void report(const char* what, double total_ms, int runs, double target_ms) {
  double each = total_ms / runs;
  std::printf("%-44s %9.4f ms  (%d runs, target < %.1f ms)\n", what, each, runs, target_ms);
}

}  // namespace

int main() {
  double start = now_ms();
  tile_pictures_load();
  report("finding the 144 stored tile pictures", now_ms() - start, 1, 2.0);
  start = now_ms();
  for (int t = 0; t < TILE_COUNT; ++t) tile_picture(IDB_PAI_FIRST + t);
  report("first copy of the 144 tile buffers", now_ms() - start, 1, 2.0);
  // What a start at a larger scale adds: its set unpacked, the buffers brought to it.
  for (int set : ART_SET_PERCENTS) {
    if (set == 100) continue;
    char what[64];
    std::snprintf(what, sizeof what, "unpacking and taking up the %d %% set", set);
    start = now_ms();
    art_use_set(set);
    report(what, now_ms() - start, 1, 10.0);
  }
  art_use_set(100);

  HWND parent = create_board_window();
  HWND tile = static_cast<HWND>(pai_windows[143]);
  const int image = IDB_PAI_FIRST + deal_table[143];

  const int draws = 2000;
  start = now_ms();
  for (int i = 0; i < draws; i += 2) {
    pai_recolor_draw(tile, pai_palette, image, MARK_NORMAL, MARK_HINT, MARK_SPARE, MARK_SELECTED);
    pai_recolor_draw(tile, pai_palette, image, MARK_SELECTED, 0, 0, MARK_NORMAL);
  }
  report("pai_recolor_draw of one tile", now_ms() - start, draws, 0.3);

  start = now_ms();
  for (int i = 0; i < draws; i += 2) {
    pai_recolor(tile, pai_palette, image, MARK_NORMAL, MARK_HINT, MARK_SPARE, MARK_SELECTED);
    pai_recolor(tile, pai_palette, image, MARK_SELECTED, 0, 0, MARK_NORMAL);
  }
  report("pai_recolor (no drawing) of one tile", now_ms() - start, draws, 0.3);

  DestroyWindow(parent);
  return 0;
}
