// Setting the program's rooms back to their start, for tests that build the main window many times.
#include "state_reset.h"
#include <windows.h>
#include <cstring>
#include "art_sets.h"
#include "banner_windows.h"
#include "board.h"
#include "dib.h"
#include "removal.h"
#include "settings_notice.h"
#include "settings_save.h"
#include "shell_state.h"
#include "sound.h"
#include "tile_pictures.h"
#include "tile_windows.h"

namespace {

void forget_palette(HPALETTE& palette, int& color_count) {
  if (palette) DeleteObject(palette);
  palette = nullptr;
  color_count = 0;
}

// Into the copies already made, which stay in place: the program keeps pointers to them.
// A tile without a copy is drawn from its stored picture, and keeps that way.
void restore_tile_pictures() {
  for (int image_id = IDB_PAI_FIRST; image_id < IDB_PAI_FIRST + TILE_COUNT; ++image_id) {
    int size = 0;
    const unsigned char* stored = dib_resource(image_id, &size);
    if (!stored || tile_picture_to_draw(image_id) == stored) continue;
    std::memcpy(tile_picture(image_id), stored, size);
  }
}

}  // namespace

void presentation_reset() {
  for (int slot = 0; slot < TILE_COUNT; ++slot) pai_windows[slot] = nullptr;
  omigoto_window = nullptr;
  tezumari_window = nullptr;
  forget_palette(pai_palette, pai_color_count);
  forget_palette(omigoto_palette, omigoto_color_count);
  forget_palette(tezumari_palette, tezumari_color_count);
  art_use_set(100);
  restore_tile_pictures();
}

void shell_reset() {
  main_window = nullptr;
  back_dc = nullptr;
  back_bitmap = nullptr;
  back_brush = nullptr;
  path_pen = nullptr;
  time_font = nullptr;
  main_menu = nullptr;
  status_bar = nullptr;
  game_mode = 0;
  sound_on = 1;
  clock_timer_on = 1;
  elapsed_seconds = 0;
  removal_reset();
  game_over = 0;
  was_stuck = 0;
  omigoto_shown = 0;
  ranking_shown = 0;
  cues_forget();
  settings_told = 0;
  settings_saves_lost = 0;
  settings_save_fault = SAVE_OK;
}
