// The off-screen picture of the main window and the objects drawn into it: the
// background pattern, the line's pen and the elapsed-time font, all at the display scale.
#pragma once
#include <windows.h>

// Makes them at the display scale, filled with the pattern, in place of any made
// before (at another scale): back_dc itself stays.
void make_back_picture(HWND window);
