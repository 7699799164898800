// The connection rule: two cells join when a path of at most three straight
// segments runs between them through passable cells. Codes tell the shape found.
#pragma once
#include "platform.h"

int connect_straight(int x1, int y1, int x2, int y2);   // 0, or 1..4
int connect_one_turn(int x1, int y1, int x2, int y2);   // 0, or 5..8
int connect_two_turns(int x1, int y1, int x2, int y2);  // 0, or 9..12
int can_connect(int x1, int y1, int x2, int y2);        // 1 or 0

// The same searches; on success they also draw the path onto surface,
// the segment nearest the target first.
int draw_straight(int x1, int y1, int x2, int y2, Surface surface);
int draw_one_turn(int x1, int y1, int x2, int y2, Surface surface);
int draw_two_turns(int x1, int y1, int x2, int y2, Surface surface);
int draw_connection(int x1, int y1, int x2, int y2, Surface surface);
