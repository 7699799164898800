// The main window's procedure: which message goes where.
#include "main_window.h"
#include "app_identity.h"
#include "clock.h"
#include "commands.h"
#include "creation.h"
#include "dpi.h"
#include "elapsed_time.h"
#include "hint.h"
#include "pick.h"
#include "rescale.h"
#include "removal.h"
#include "resource.h"
#include "settings_notice.h"
#include "shell_state.h"
#include "shutdown.h"
#include "status_bar.h"
#include "tile_windows.h"
#include "turn_wait.h"
#include "window_classes.h"
#include "wide_text.h"
#include "window_position.h"

namespace {

LRESULT on_paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const RECT& area = paint.rcPaint;
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, back_dc,
         area.left, area.top, SRCCOPY);
  EndPaint(window, &paint);
  return 0;
}

POINT screen_point(LPARAM lparam) {
  return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

LRESULT on_get_dpi_scaled_size(HWND window, WPARAM dpi, LPARAM size) {
  *reinterpret_cast<SIZE*>(size) = size_at_dpi(window, static_cast<int>(dpi));
  return TRUE;
}

void on_timer(UINT_PTR id) {
  switch (id) {
    case TIMER_CLOCK: show_clock(); break;
    case TIMER_REMOVE: removal_tick(); break;
    case TIMER_ELAPSED: elapsed_tick(); break;
    case TIMER_SETTINGS_CHECK: settings_check_tick(main_window); break;
  }
}

// While a save waits for the settings file's turn, only messages sent from elsewhere
// reach the window. Those that would start a save or change the game are posted again,
// to come once the wait is over; the session's end is answered at once (shutdown.h).
bool held_back_during_turn_wait(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (turn_waits == 0) return false;
  switch (message) {
    case WM_CLOSE: case WM_COMMAND: case WM_KEYDOWN: case WM_TIMER: case WM_RBUTTONDOWN:
    case WM_PAI_CLICK: case WM_HINT_STUCK: case WM_HINT_PAIR:
      PostMessageW(window, message, wparam, lparam);
      return true;
  }
  return false;
}

}  // namespace

LRESULT CALLBACK main_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (held_back_during_turn_wait(window, message, wparam, lparam)) return 0;
  switch (message) {
    case WM_NCCREATE: scale_nonclient_area(window); return DefWindowProcW(window, message, wparam, lparam);
    case WM_CREATE: create_main_window_contents(window); return 0;
    // The caption's close button and Alt+F4 end the run as the quit command does:
    // a pair still on show is settled first, so the last pair still earns its entry.
    case WM_CLOSE: settle_before_input(); return DefWindowProcW(window, message, wparam, lparam);
    case WM_DESTROY: shutdown_main_window(window); return 0;
    // At a session's end the process may be ended without WM_DESTROY.
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: if (wparam) keep_settings_at_session_end(window); return 0;
    case WM_PAINT: return on_paint(window);
    case WM_MOVE: note_main_window_moved(window); return 0;
    case WM_GETDPISCALEDSIZE: return on_get_dpi_scaled_size(window, wparam, lparam);
    case WM_DPICHANGED: on_dpi_changed(window, LOWORD(wparam), *reinterpret_cast<RECT*>(lparam)); return 0;
    case WM_NCMOUSEMOVE: show_menu_help(window, &clock_timer_on, screen_point(lparam)); return 0;
    case WM_MOUSEMOVE: restart_clock(window); return 0;
    case WM_KEYDOWN: on_key(window, static_cast<int>(wparam)); return 0;
    case WM_COMMAND: on_command(window, LOWORD(wparam)); return 0;
    case WM_TIMER: on_timer(wparam); return 0;
    case WM_LBUTTONDOWN: return 0;
    case WM_RBUTTONDOWN: SendMessageW(window, WM_COMMAND, IDM_HINT, 0); return 0;
    case WM_PAI_CLICK: on_pai_click(window, reinterpret_cast<HWND>(lparam)); return 0;
    case WM_HINT_STUCK: hint_show_stuck(window, static_cast<unsigned>(wparam)); return 0;
    case WM_HINT_PAIR: show_reported_pair(wparam, lparam); return 0;
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

HWND create_main_window(HINSTANCE instance) {
  wchar_t* title = wide_from_sjis(app_title);
  HWND window = CreateWindowExW(0, MAIN_CLASS, title, MAIN_STYLE, CW_USEDEFAULT, CW_USEDEFAULT, MAIN_WIDTH,
                                MAIN_HEIGHT, nullptr, nullptr, instance, nullptr);
  wide_free(title);
  return window;
}
