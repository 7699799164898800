// The entry point of every Windows test program: the game's instance is the test
// program itself, which carries the same resources as kotopai.exe.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "box_catcher.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  // A box that comes while no test waits for one (say a late message of a test that
  // failed) would wait for a person for ever: it fails the test then running and is
  // closed, and the run goes on.
  BoxCatcher stray([](HWND box) {
    ADD_FAILURE() << "a box came that no test was waiting for: \"" << window_text(box) << "\" "
                  << window_text(GetDlgItem(box, 0xFFFF));
    EndDialog(box, IDCANCEL);
  });
  return RUN_ALL_TESTS();
}
