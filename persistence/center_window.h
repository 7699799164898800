// Placing a window that is not shown yet in the middle of the desktop.
#pragma once
#include <windows.h>

int center_window(HWND window);
