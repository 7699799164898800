// Closing the main window: the restored place and both switches reach the settings file.
#include <gtest/gtest.h>
#include <string>
#include "main_window_harness.h"
#include "settings.h"
#include "shell_state.h"

namespace {

struct ShutdownTest : testing::Test {
  void TearDown() override { remove_settings(); }
};

size_t position_of(const std::string& text, const char* part, size_t from = 0) {
  size_t at = text.find(part, from);
  EXPECT_NE(std::string::npos, at) << part;
  return at;
}

TEST_F(ShutdownTest, ClosingWritesPlaceThenModeThenSound) {
  write_settings_text("[Pos]\r\nX=120\r\nY=90\r\n");
  HWND window = open_main_window();
  game_mode = 1;
  sound_on = 0;
  close_main_window(window);
  EXPECT_EQ(120, ini_get_int("Pos", "X", -1, SETTINGS_FILE_NAME));
  EXPECT_EQ(90, ini_get_int("Pos", "Y", -1, SETTINGS_FILE_NAME));
  EXPECT_EQ(1, ini_get_int("MODE", "mode", -1, SETTINGS_FILE_NAME));
  EXPECT_EQ(0, ini_get_int("SOUND", "sound", -1, SETTINGS_FILE_NAME));
}

TEST_F(ShutdownTest, FreshFileHoldsTheSectionsInWriteOrder) {
  write_settings_text("");
  HWND window = open_main_window();
  close_main_window(window);
  std::string text = read_settings_text();
  size_t pos = position_of(text, "[Pos]");
  size_t x = position_of(text, "X=", pos);
  size_t y = position_of(text, "Y=", x);
  size_t mode = position_of(text, "[MODE]", y);
  size_t sound = position_of(text, "[SOUND]", mode);
  EXPECT_LT(pos, sound);
  EXPECT_NE(std::string::npos, text.find("mode=0"));
  EXPECT_NE(std::string::npos, text.find("sound=1"));
}

TEST_F(ShutdownTest, MinimisedWindowSavesWhereItWouldReappear) {
  write_settings_text("[Pos]\r\nX=150\r\nY=60\r\n");
  HWND window = open_main_window();
  ShowWindow(window, SW_MINIMIZE);
  pump_messages();
  ASSERT_TRUE(IsIconic(window));
  close_main_window(window);
  EXPECT_EQ(150, ini_get_int("Pos", "X", -1, SETTINGS_FILE_NAME));
  EXPECT_EQ(60, ini_get_int("Pos", "Y", -1, SETTINGS_FILE_NAME));
}

TEST_F(ShutdownTest, WindowCanBeMadeAgainAfterClosing) {
  write_settings_text("[Pos]\r\nX=100\r\nY=100\r\n");
  for (int round = 0; round < 3; ++round) {
    HWND window = open_main_window();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_NE(nullptr, back_dc);
    EXPECT_TRUE(IsWindowVisible(status_bar));
    close_main_window(window);
    EXPECT_EQ(nullptr, back_dc);
  }
}

}  // namespace
