// The entry point of every Windows test program: the game's instance is the test
// program itself, which carries the same resources as kotopai.exe.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  return RUN_ALL_TESTS();
}
