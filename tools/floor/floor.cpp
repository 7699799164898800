// The floor for start-up figures: the least a Win32 program of the game's window size
// does before its first frame (one class, one window, one paint), measured the same
// way as the game, through note_first_frame. Built by scripts/measure-startup.sh.
#include <windows.h>
#include "startup_probe.h"

static LRESULT CALLBACK floor_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = floor_proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.lpszClassName = "Floor Window";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, "Floor Window", "Floor",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                CW_USEDEFAULT, 780, 580, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  int noted = 0;
  for (;;) {
    if (!noted && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      note_first_frame();
      noted = 1;
    }
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
