// The 144 tile windows: creation in stacking order, the tile outline, painting
// from the tiles' own buffers, and clicks handed to the main window.
#include "tile_windows.h"
#include "board.h"
#include "dib.h"
#include "display_scale.h"
#include "resource.h"
#include "tile_pictures.h"

HPALETTE pai_palette = nullptr;
int pai_color_count = 0;

namespace {

// The tile seen from the upper left: its upper right and lower left corners are cut
// on the slant, so the side faces end like those of a block. The face is one step
// wide and high; the sides fill the rest of the picture.
HRGN pai_outline(const TileSize& size) {
  const int w = size.width, h = size.height, sx = size.step_x, sy = size.step_y;
  const POINT points[] = {{0, 0}, {sx - 1, 0}, {w - 1, h - sy}, {w - 1, h}, {w - sx + 1, h}, {0, sy}};
  return CreatePolygonRgn(points, 6, ALTERNATE);
}

void give_region(HWND window, HRGN region, BOOL redraw = TRUE) {
  if (region && !SetWindowRgn(window, region, redraw)) DeleteObject(region);
}

HWND create_pai_window(HWND main_window, HINSTANCE instance, int slot) {
  const TileSize size = tile_size_at(display_percent);
  HWND window = CreateWindowExW(0, L"Pai Window", nullptr, WS_CHILD | WS_CLIPSIBLINGS,
                                tile_rects[slot].left, tile_rects[slot].top, size.width, size.height,
                                main_window, reinterpret_cast<HMENU>(ID_PAI_WINDOW), instance, nullptr);
  if (!window) return nullptr;
  give_region(window, pai_outline(size));
  ShowWindow(window, SW_SHOW);
  return window;
}

void on_create() {
  if (!pai_palette) pai_palette = dib_make_palette(IDB_PAI_FIRST, &pai_color_count);
}

// A tile window does not know its slot, so one paint request serves every tile
// window with something pending; each is limited to its own update region. A tile
// is drawn from its own copy once its look has changed, before that from its stored picture.
void on_paint(HWND window) {
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    HWND tile = static_cast<HWND>(pai_windows[slot]);
    if (!tile) continue;
    int tile_id = deal_table[slot];
    const unsigned char* picture =
        (tile_id >= 0 && tile_id < TILE_COUNT) ? tile_picture_to_draw(IDB_PAI_FIRST + tile_id) : nullptr;
    packed_dib_paint(tile, pai_palette, picture, pai_color_count);
  }
  // A window missing from the table would otherwise be asked to paint forever.
  ValidateRect(window, nullptr);
}

void on_left_button(HWND window) {
  SendMessageW(GetParent(window), WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(window));
}

void on_right_button(HWND window) {
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(IDM_HINT, 0), 0);
}

}  // namespace

// Created from the last slot down: each new child goes below the existing ones, so
// tiles at later slots (right and below) lie above earlier ones.
void create_pai_windows(HWND main_window) {
  if (pai_windows[0] && IsWindow(static_cast<HWND>(pai_windows[0]))) return;
  tile_pictures_load();   // the stored pictures, found once before the first paint
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(main_window, GWLP_HINSTANCE));
  for (int slot = TILE_COUNT - 1; slot >= 0; --slot)
    pai_windows[slot] = create_pai_window(main_window, instance, slot);
}

// The stacking order stays: only places, sizes and outlines change, none of them drawn
// (144 tiles each drawn twice made a move take seconds under Wine).
void place_pai_windows() {
  const TileSize size = tile_size_at(display_percent);
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    HWND tile = static_cast<HWND>(pai_windows[slot]);
    if (!tile) continue;
    SetWindowPos(tile, nullptr, tile_rects[slot].left, tile_rects[slot].top, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    give_region(tile, pai_outline(size), FALSE);
  }
}

LRESULT CALLBACK pai_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: on_create(); return 0;
    case WM_PAINT: on_paint(window); return 0;
    case WM_LBUTTONDOWN: on_left_button(window); return 0;
    case WM_RBUTTONDOWN: on_right_button(window); return 0;
    case WM_DESTROY: return 0;
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}
