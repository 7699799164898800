// The main window's shutdown: drawing objects freed, position and switches saved,
// palettes deleted, timers stopped, the quit message posted.
#include "shutdown.h"
#include <stdio.h>
#include "banner_windows.h"
#include "hint.h"
#include "removal.h"
#include "settings.h"
#include "shell_state.h"
#include "tile_windows.h"
#include "window_position.h"

namespace {

template <typename Handle>
void delete_object(Handle& object) {
  if (object) DeleteObject(object);
  object = nullptr;
}

void free_drawing_objects() {
  if (back_dc) DeleteDC(back_dc);
  back_dc = nullptr;
  delete_object(back_bitmap);
  delete_object(back_brush);
  delete_object(path_pen);
  delete_object(time_font);
}

void put_int(const char* section, const char* key, int value) {
  char text[16];
  snprintf(text, sizeof(text), "%d", value);
  ini_put_string(section, key, text, SETTINGS_FILE_NAME);
}

// Where the window stands, or would reappear when it is minimised, in screen pixels.
void save_position_and_switches() {
  const POINT place = restored_place();
  put_int("Pos", "X", place.x);
  put_int("Pos", "Y", place.y);
  put_int("MODE", "mode", game_mode);
  put_int("SOUND", "sound", sound_on);
}

void delete_palettes() {
  delete_object(pai_palette);
  delete_object(omigoto_palette);
  delete_object(tezumari_palette);
}

}  // namespace

void shutdown_main_window(HWND window) {
  if (!back_dc) return;   // already shut down
  hint_stop();            // its wipe draws with the palettes deleted below
  free_drawing_objects();
  save_position_and_switches();
  delete_palettes();
  clock_timer_on = 1;
  KillTimer(window, TIMER_CLOCK);
  KillTimer(window, TIMER_ELAPSED);
  KillTimer(window, TIMER_REMOVE);
  PostQuitMessage(0);
}

// Nothing is settled, shown or started as the session goes: the hint, whose verdict
// would come as a box, is stopped, and a pair still on show stays, for settling it
// could open the ranking dialog. What the last pair earned is written all the same.
void keep_settings_at_session_end(HWND window) {
  if (!back_dc) return;   // already shut down
  hint_stop();
  removal_session_end(window);
  save_position_and_switches();
}
