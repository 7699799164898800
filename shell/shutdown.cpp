// The main window's shutdown: drawing objects freed, position and switches saved,
// palettes deleted, timers stopped, the quit message posted.
#include "shutdown.h"
#include <stdio.h>
#include "banner_windows.h"
#include "hint.h"
#include "removal.h"
#include "settings.h"
#include "settings_notice.h"
#include "settings_save.h"
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
  delete_object(status_font);   // the bar goes with the window, drawing no more
}

int put_int(const char* section, const char* key, int value, const char* file_name) {
  char text[16];
  snprintf(text, sizeof(text), "%d", value);
  return ini_put_string(section, key, text, file_name);
}

// Where the window stands, or would reappear when it is minimised, in screen pixels;
// the four keys in one save. 1 when it was kept.
int save_position_and_switches() {
  const POINT place = restored_place();
  return settings_save([&](const char* file_name) {
    int written = put_int("Pos", "X", place.x, file_name);
    written &= put_int("Pos", "Y", place.y, file_name);
    written &= put_int("MODE", "mode", game_mode, file_name);
    written &= put_int("SOUND", "sound", sound_on, file_name);
    return written;
  });
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
  // Saved first: while it waits for its turn, the window still paints from back_dc.
  const int kept = save_position_and_switches();
  free_drawing_objects();
  if (!kept) tell_lost_save_at_close();
  delete_palettes();
  clock_timer_on = 1;
  KillTimer(window, TIMER_CLOCK);
  KillTimer(window, TIMER_ELAPSED);
  KillTimer(window, TIMER_REMOVE);
  PostQuitMessage(0);
}

// Nothing is settled, shown or started as the session goes: the hint, whose verdict
// would come as a box, is stopped, and a pair still on show stays, for settling it
// could open the ranking dialog. What the last pair earned is written all the same,
// and a save that is lost goes untold.
void keep_settings_at_session_end(HWND window) {
  settings_save_waiting();   // the session may end during the close's wait, or an entry's
  if (!back_dc) return;      // already shut down
  hint_stop();
  removal_session_end(window);
  save_position_and_switches();
}
