// The program's entry point.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  MessageBoxA(nullptr, "Kotopai", "Kotopai", MB_OK);
  return 0;
}
