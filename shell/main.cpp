// The program's entry point: classes, the main window, its place, the message loop.
#include <windows.h>
#include "app_identity.h"
#include "main_window.h"
#include "message_loop.h"
#include "window_classes.h"
#include "window_position.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  app_instance = instance;
  register_window_classes(instance);
  HWND window = create_main_window(instance);
  place_main_window(window);
  ShowWindow(window, show);
  UpdateWindow(window);
  return run_message_loop();
}
