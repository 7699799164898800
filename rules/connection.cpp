// The connection rule: straight, one-turn and two-turn paths between two cells,
// and the drawing of the path found.
#include "connection.h"
#include "board.h"

namespace {

// Only a tile lying in place blocks a path; a picked tile is walked through.
inline bool passable(int x, int y) { return cell_at(x, y).state != TILE_IN_PLACE; }

inline bool in_grid(int x, int y) { return x >= 0 && x < GRID_COLS && y >= 0 && y < GRID_ROWS; }

inline bool in_grid(int x1, int y1, int x2, int y2) { return in_grid(x1, y1) && in_grid(x2, y2); }

// Every cell strictly between (x, y1) and (x, y2) is passable.
bool column_open(int x, int y1, int y2) {
  int step = y2 > y1 ? 1 : -1;
  for (int y = y1 + step; y != y2; y += step) {
    if (!passable(x, y)) return false;
  }
  return true;
}

// Every cell strictly between (x1, y) and (x2, y) is passable.
bool row_open(int y, int x1, int x2) {
  int step = x2 > x1 ? 1 : -1;
  for (int x = x1 + step; x != x2; x += step) {
    if (!passable(x, y)) return false;
  }
  return true;
}

int straight(int x1, int y1, int x2, int y2) {
  if (y2 == y1 && x2 != x1) {
    if (!row_open(y1, x1, x2)) return 0;
    return x2 < x1 ? 1 : 2;
  }
  if (x2 != x1 || y2 == y1) return 0;
  if (!column_open(x1, y1, y2)) return 0;
  return y2 > y1 ? 3 : 4;
}

// The corner must be passable as well as the cells before it: it is an inner cell
// of the path. When the corner is the target itself the straight leg from it fails.
int one_turn(int x1, int y1, int x2, int y2) {
  if (y2 != y1 && column_open(x1, y1, y2) && passable(x1, y2) && straight(x1, y2, x2, y2) > 0) {
    return y2 < y1 ? 5 : 6;
  }
  if (x2 == x1) return 0;
  if (!row_open(y1, x1, x2) || !passable(x2, y1)) return 0;
  if (straight(x2, y1, x2, y2) == 0) return 0;
  return x2 < x1 ? 7 : 8;
}

struct TwoTurns {
  int code;            // 9..12, or 0
  int corner_x, corner_y;  // the first corner, on the source's row or column
};

// The first leg leaves the source up, down, left, right in that order, nearest
// corner first; the rest of the path is a one-turn path from the leg's end.
TwoTurns two_turns(int x1, int y1, int x2, int y2) {
  for (int y = y1 - 1; y >= 0 && passable(x1, y); --y) {
    if (one_turn(x1, y, x2, y2) > 0) return TwoTurns{9, x1, y};
  }
  for (int y = y1 + 1; y < GRID_ROWS && passable(x1, y); ++y) {
    if (one_turn(x1, y, x2, y2) > 0) return TwoTurns{10, x1, y};
  }
  for (int x = x1 - 1; x >= 0 && passable(x, y1); --x) {
    if (one_turn(x, y1, x2, y2) > 0) return TwoTurns{11, x, y1};
  }
  for (int x = x1 + 1; x < GRID_COLS && passable(x, y1); ++x) {
    if (one_turn(x, y1, x2, y2) > 0) return TwoTurns{12, x, y1};
  }
  return TwoTurns{0, 0, 0};
}

void draw_between(Surface surface, int x1, int y1, int x2, int y2) {
  Point from = line_anchor(x1, y1);
  Point to = line_anchor(x2, y2);
  platform_draw_segment(surface, from.x, from.y, to.x, to.y);
}

// Segments go out target side first, each from its source-side end.
void draw_one_turn_path(int code, int x1, int y1, int x2, int y2, Surface surface) {
  int corner_x = code <= 6 ? x1 : x2;
  int corner_y = code <= 6 ? y2 : y1;
  draw_between(surface, corner_x, corner_y, x2, y2);
  draw_between(surface, x1, y1, corner_x, corner_y);
}

}  // namespace

int connect_straight(int x1, int y1, int x2, int y2) {
  return in_grid(x1, y1, x2, y2) ? straight(x1, y1, x2, y2) : 0;
}

int connect_one_turn(int x1, int y1, int x2, int y2) {
  return in_grid(x1, y1, x2, y2) ? one_turn(x1, y1, x2, y2) : 0;
}

int connect_two_turns(int x1, int y1, int x2, int y2) {
  return in_grid(x1, y1, x2, y2) ? two_turns(x1, y1, x2, y2).code : 0;
}

int can_connect(int x1, int y1, int x2, int y2) {
  return connect_straight(x1, y1, x2, y2) > 0 || connect_one_turn(x1, y1, x2, y2) > 0 ||
         connect_two_turns(x1, y1, x2, y2) > 0;
}

int draw_straight(int x1, int y1, int x2, int y2, Surface surface) {
  int code = connect_straight(x1, y1, x2, y2);
  if (code > 0) draw_between(surface, x1, y1, x2, y2);
  return code;
}

int draw_one_turn(int x1, int y1, int x2, int y2, Surface surface) {
  int code = connect_one_turn(x1, y1, x2, y2);
  if (code > 0) draw_one_turn_path(code, x1, y1, x2, y2, surface);
  return code;
}

int draw_two_turns(int x1, int y1, int x2, int y2, Surface surface) {
  if (!in_grid(x1, y1, x2, y2)) return 0;
  TwoTurns found = two_turns(x1, y1, x2, y2);
  if (found.code == 0) return 0;
  int rest = one_turn(found.corner_x, found.corner_y, x2, y2);
  draw_one_turn_path(rest, found.corner_x, found.corner_y, x2, y2, surface);
  draw_between(surface, x1, y1, found.corner_x, found.corner_y);
  return found.code;
}

int draw_connection(int x1, int y1, int x2, int y2, Surface surface) {
  return draw_straight(x1, y1, x2, y2, surface) > 0 || draw_one_turn(x1, y1, x2, y2, surface) > 0 ||
         draw_two_turns(x1, y1, x2, y2, surface) > 0;
}
