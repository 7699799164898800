// Picks, whole games in build order, and the settings file as bytes.
#include "play_helpers.h"
#include <stdio.h>
#include <algorithm>
#include "board.h"
#include "main_window_harness.h"
#include "resource.h"
#include "rules_support.h"
#include "shell_state.h"
#include "tile_windows.h"

namespace {

void repaint(int slot) { InvalidateRect(static_cast<HWND>(pai_windows[slot]), nullptr, TRUE); }

void pick(HWND main, int slot) {
  SendMessageA(main, WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(pai_windows[slot]));
}

}  // namespace

void make_partner(int a, int b) {
  int face = face_of(deal_table[a]);
  for (int s = 0; s < TILE_COUNT; ++s) {
    if (s == a || face_of(deal_table[s]) != face) continue;
    std::swap(deal_table[s], deal_table[b]);
    slot_cell(s).tile_id = deal_table[s];
    slot_cell(b).tile_id = deal_table[b];
    repaint(s);
    repaint(b);
    return;
  }
}

void take_pair(HWND main, int a, int b) {
  pick(main, a);
  pick(main, b);
  SendMessageA(main, WM_TIMER, TIMER_REMOVE, 0);
  SendMessageA(main, WM_TIMER, TIMER_REMOVE, 0);
  pump_messages();
}

int play_easy_game(HWND main, int seconds) {
  SendMessageA(main, WM_COMMAND, IDM_MODE_EASY, 0);
  BuildRecord build;
  if (replay_easy_deal(&build) < 0) return 0;
  int taken = 0;
  for (int k = 0; k < PAIR_COUNT; ++k) {
    if (k == PAIR_COUNT - 1) elapsed_seconds = seconds;
    take_pair(main, build.first[k], build.second[k]);
    if (slot_cell(build.first[k]).state >= TILE_REMOVED) ++taken;
  }
  return taken;
}

void write_settings_bytes(const std::string& bytes) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);
  put_file_bytes(settings_file(), bytes);
}

std::string settings_bytes() {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);
  return read_settings_text();
}
