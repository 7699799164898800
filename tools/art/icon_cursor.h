// The program icon and the pointing-hand cursor, 32 x 32 in the standard 16 colours.
#pragma once
#include "picture.h"

constexpr uint8_t CLEAR = 255;  // a pixel that lets the screen show through
constexpr int CURSOR_HOT_X = 10, CURSOR_HOT_Y = 0;

Picture draw_icon();
Picture draw_cursor();
