// The shared box catcher meets real message boxes: what it records and what it presses.
#include <gtest/gtest.h>
#include <windows.h>

#include "box_catcher.h"

namespace {

TEST(BoxCatcher, RecordsEachMessageBoxAndPressesOkUnlessToldOtherwise) {
  BoxCatcher catcher;
  catcher.then(press_button(IDCANCEL));
  EXPECT_EQ(IDCANCEL, MessageBoxA(nullptr, "取れません！", "Kotopai", MB_OKCANCEL));
  EXPECT_EQ(IDOK, MessageBoxA(nullptr, "手詰まりです。", "Kotopai", MB_OK));
  ASSERT_EQ(2u, catcher.caught().size());
  EXPECT_EQ("取れません！", catcher.caught()[0].text);
  EXPECT_EQ("Kotopai", catcher.caught()[0].caption);
  EXPECT_EQ((std::vector<std::string>{"取れません！", "手詰まりです。"}), catcher.texts());
}

TEST(BoxCatcher, ACallbackSeesTheShownBoxAndABoxOpenedFromItIsMetToo) {
  std::vector<std::string> seen;
  BoxCatcher catcher([&](HWND box) {
    seen.push_back(window_text(box));
    EXPECT_TRUE(IsWindowVisible(box));
    if (seen.size() == 1) MessageBoxA(box, "inner", "second", MB_OK);  // met by the same catcher
    press_button(IDOK)(box);
  });
  MessageBoxA(nullptr, "outer", "first", MB_OK);
  EXPECT_EQ((std::vector<std::string>{"first", "second"}), seen);
  EXPECT_EQ((std::vector<std::string>{"outer", "inner"}), catcher.texts());
}

TEST(BoxCatcher, LeavesWindowsThatAreNotDialogsAlone) {
  BoxCatcher catcher;
  HWND plain = CreateWindowExA(0, "STATIC", "plain", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  SetActiveWindow(plain);
  pump_messages();
  EXPECT_TRUE(catcher.caught().empty());
  DestroyWindow(plain);
}

}  // namespace
