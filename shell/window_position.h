// Where the main window appears: its saved place, or the middle of the screen.
#pragma once
#include <windows.h>

// 1 when a saved top-left (x, y) may be used for the main window of the given
// display size: both non-zero, inside the display's width and height (negative
// values pass), and the window at that place at least partly on a monitor.
int saved_position_usable(int x, int y, int display_width, int display_height);

// Moves the main window to the saved "Pos" or centres it.
void place_main_window(HWND window);

// "Pos" is the window's top-left in screen pixels, the coordinates it is placed
// with. Each move of the window while it is neither minimised nor maximised is
// noted, so a window closed in either state saves where it would stand restored.
void note_main_window_moved(HWND window);
POINT restored_place();
