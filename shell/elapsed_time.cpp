// The game's elapsed seconds: counted once a second, shown at once, wrapped after 99:59:59.
#include "elapsed_time.h"
#include "clock.h"
#include "shell_state.h"

int elapsed_after(int seconds, int added) {
  // The figures have room for 99:59:59; the second after it reads 00:00:00.
  long long total = static_cast<long long>(seconds) + added;
  if (total < 0) total = 0;
  return static_cast<int>(total % (ELAPSED_LIMIT + 1));
}

void elapsed_tick() {
  elapsed_seconds = elapsed_after(elapsed_seconds, 1);
  draw_time();
}
