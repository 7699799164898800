// The floor for start-up figures: the least a Win32 program of the game's window size
// does before its first frame (one class, one window, one paint), measured the same
// way as the game, by the game's own message loop. Built in the Windows tree, also
// with FLOOR_WITH_TEXT: then it shows Japanese text in the game's fonts too (a
// status bar line and bold Mincho figures), to tell Wine's font engine apart.
#include <windows.h>
#include <commctrl.h>
#include "message_loop.h"

#ifdef FLOOR_WITH_TEXT
static void show_text(HWND window, HDC dc) {
  static HFONT font = CreateFontW(20, 0, 0, 0, 900, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, L"MS 明朝");
  static HWND bar = nullptr;
  if (!bar) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    bar = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0,
                          0, 0, window, nullptr, nullptr, nullptr);
    SendMessageA(bar, SB_SIMPLE, TRUE, 0);
    SendMessageA(bar, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>("今日は 12 月  7 日（月） です"));
  }
  HGDIOBJ old = SelectObject(dc, font);
  TextOutA(dc, 660, 10, "00:00:00", 8);
  SelectObject(dc, old);
}
#else
static void show_text(HWND, HDC) {}
#endif

static LRESULT CALLBACK floor_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    show_text(window, dc);
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
  return run_message_loop();
}
