// A stand-in main window for the presentation tests: the three child classes with
// the game's procedures, and a parent that records what its children send it.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include "box_catcher.h"   // pump_messages
#include "dib_pixels.h"

struct ParentLog {
  int pai_clicks;
  LPARAM last_click;     // lParam of the last WM_PAI_CLICK
  int commands;
  WPARAM last_command;   // wParam of the last WM_COMMAND
  int left_clicks;       // left clicks that reached the parent itself
};
extern ParentLog parent_log;

// Registers the classes once per process and gives a visible top-level parent
// without children, with the board laid out and deal_table[s] = s.
HWND create_test_parent();
// Creates both banners and the tile windows as the main window does, then paints.
void create_presentation_children(HWND parent);
// Destroys the parent's children and sets presentation and board back to their start.
void destroy_test_parent(HWND parent);

// The first pixel, from the top left, that shows the face ground (index 16).
POINT ground_point(const unsigned char* dib);
// The child of the screen under a point given in the parent's client coordinates.
HWND window_at(HWND parent, int x, int y);

// A test with the parent, both banners and the 144 tile windows made afresh.
class PresentationWindows : public testing::Test {
 protected:
  void SetUp() override {
    parent = create_test_parent();
    create_presentation_children(parent);
  }
  void TearDown() override { destroy_test_parent(parent); }

  HWND parent = nullptr;
};
