// Where the connection line has been drawn since the last asking, so that only
// that part of the window is painted again.
#pragma once
#include <windows.h>

// The bounds of every segment drawn since the last call, pen width included;
// an empty rectangle when nothing was drawn. Clears the bounds.
RECT take_drawn_line_bounds();
