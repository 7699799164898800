// Placing a window that is not shown yet in the middle of the desktop.
#include "center_window.h"

// The desktop's left and top count as 0, so on a desktop whose origin is elsewhere
// the window still lands where the main window and the dialogs always have.
int center_window(HWND window) {
  RECT desktop, rect;
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  SetWindowPos(window, HWND_TOP, (desktop.right - width) / 2, (desktop.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE);
  return 0;
}
