// The display scale every window of the game is laid out at.
#include "display_scale.h"

int display_percent = 100;
