// The display scale the main window is laid out and drawn at, in percent: the set of
// pictures chosen for the window's DPI (100 at 96 DPI).
#pragma once
#include <windows.h>
#include "art_sets.h"

extern int display_percent;

// A 96-DPI length at the display scale.
inline int at_display_scale(int length_96) { return scale_length(length_96, display_percent); }
inline RECT at_display_scale(const RECT& rect_96) {
  return RECT{at_display_scale(rect_96.left), at_display_scale(rect_96.top), at_display_scale(rect_96.right),
              at_display_scale(rect_96.bottom)};
}
