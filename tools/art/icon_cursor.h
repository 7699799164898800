// The program icon and the pointing-hand cursor in the standard 16 colours, drawn
// at `size` pixels square; they are designed at 32, which is 100 % of the scale.
#pragma once
#include "picture.h"

constexpr uint8_t CLEAR = 255;  // a pixel that lets the screen show through
constexpr int CURSOR_HOT_X = 10, CURSOR_HOT_Y = 0;
constexpr int ICON_SIZES[] = {16, 20, 24, 32, 40, 48, 64, 256};
constexpr int CURSOR_SIZES[] = {32, 48, 64};

Picture draw_icon(int size = 32);
Picture draw_cursor(int size = 32);
