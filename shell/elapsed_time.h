// The game's elapsed seconds: the count of each tick and its wrap.
#pragma once

// The value after adding seconds to a count, turning past 99:59:59 to the start again.
int elapsed_after(int seconds, int added);
// One tick of TIMER_ELAPSED: count one second and show it.
void elapsed_tick();
