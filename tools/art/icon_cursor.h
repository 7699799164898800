// The program icon and the pointing-hand cursor, each painted for every size the system
// asks for at the display scales (100 % is 32 pixels, the small icon 16).
#pragma once
#include "picture.h"
#include "rgba_picture.h"

constexpr uint8_t CLEAR = 255;  // a pixel that lets the screen show through
constexpr int CURSOR_HOT_X = 10, CURSOR_HOT_Y = 0;  // at 32 pixels
constexpr int ICON_SIZES[] = {16, 20, 24, 28, 32, 40, 48, 56, 64, 80, 96, 256};
constexpr int CURSOR_SIZES[] = {32, 40, 48, 56, 64, 80, 96};

// The 32-pixel icon in the standard 16 colours, for systems that show no more.
Picture draw_icon();
RgbaPicture draw_program_icon(int size);
// In the standard 16 colours: black outline, white hand, CLEAR around it.
Picture draw_cursor(int size);
int cursor_hot_x(int size);
