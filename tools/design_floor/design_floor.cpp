// The design floor for start-up figures: what the game's window design alone costs,
// without the game. The main window of the game's size and styles with a menu bar
// and an empty status bar, and 144 overlapping tile windows at the tile places,
// created from the last slot down, each cut to the tile's six-point outline and
// painting one 8-bit DIB through a logical palette. No resources, settings, deal,
// fonts or off-screen picture. Its first frame is noted as the game notes its own.
// Started with "repaint N" it instead repaints the tiles as a new deal does, N times,
// and prints the times as bench/win/play_figures does (scripts/measure-play.sh).
// At another display scale everything is the game's size there: the set of its DPI.
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "art_sets.h"
#include "message_loop.h"

namespace {

constexpr int COLUMNS = 18, ROWS = 8, TILES = COLUMNS * ROWS;
constexpr TileSize LARGEST = tile_size_at(ART_SET_PERCENTS[ART_SET_COUNT - 1]);
constexpr int MOST_ROW_BYTES = (LARGEST.width + 3) & ~3;

// One packed 8-bit DIB with a full colour table: a light face and darker sides.
struct TilePicture {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
  BYTE pixels[MOST_ROW_BYTES * LARGEST.height];
};
TilePicture picture;
int percent = 100;
TileSize tile = tile_size_at(100);

int scaled(int length_96) { return scale_length(length_96, percent); }

void take_scale() {
  HDC screen = GetDC(nullptr);
  percent = art_set_for(GetDeviceCaps(screen, LOGPIXELSY) * 100 / 96);
  ReleaseDC(nullptr, screen);
  tile = tile_size_at(percent);
}
HPALETTE palette;
HWND tiles[TILES];

void make_picture() {
  picture.header = {sizeof(BITMAPINFOHEADER), tile.width, tile.height, 1, 8, BI_RGB};
  for (int i = 0; i < 256; ++i) picture.colors[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
  const int row_bytes = (tile.width + 3) & ~3;
  for (int row = 0; row < tile.height; ++row) {
    for (int column = 0; column < tile.width; ++column) {
      int top_row = tile.height - 1 - row;   // stored bottom-up
      BYTE index = column >= tile.step_x - 1 ? 1 : top_row >= tile.step_y ? 2 : BYTE(16 + (column * top_row) % 12);
      picture.pixels[row * row_bytes + column] = index;
    }
  }
  static WORD description[2 + 2 * 256];   // LOGPALETTE: version, count, then the entries
  description[0] = 0x300;
  description[1] = 256;
  PALETTEENTRY* entries = reinterpret_cast<PALETTEENTRY*>(description + 2);
  for (int i = 0; i < 256; ++i) {
    const RGBQUAD& c = picture.colors[i];
    entries[i] = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, 0};
  }
  palette = CreatePalette(reinterpret_cast<LOGPALETTE*>(description));
}

void paint_tile(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HPALETTE previous = SelectPalette(dc, palette, FALSE);
  RealizePalette(dc);
  SetDIBitsToDevice(dc, 0, 0, tile.width, tile.height, 0, 0, 0, tile.height, picture.pixels,
                    reinterpret_cast<BITMAPINFO*>(&picture), DIB_RGB_COLORS);
  SelectPalette(dc, previous, FALSE);
  EndPaint(window, &paint);
}

// As in the game, one paint request serves every tile window with something pending.
LRESULT CALLBACK tile_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wparam, lparam);
  for (HWND tile : tiles)
    if (tile) paint_tile(tile);
  ValidateRect(window, nullptr);
  return 0;
}

// Later slots lie above earlier ones: each new child goes below those made before.
void create_tiles(HWND main) {
  const int w = tile.width, h = tile.height, sx = tile.step_x, sy = tile.step_y;
  const POINT outline[] = {{0, 0}, {sx - 1, 0}, {w - 1, h - sy}, {w - 1, h}, {w - sx + 1, h}, {0, sy}};
  for (int slot = TILES - 1; slot >= 0; --slot) {
    int x = scaled(20) + sx * (slot % COLUMNS + 1) - (w - sx), y = scaled(35) + sy * (slot / COLUMNS + 1) - scaled(14);
    tiles[slot] = CreateWindowExA(0, "Design Tile", nullptr, WS_CHILD | WS_CLIPSIBLINGS, x, y,
                                  w, h, main, nullptr, nullptr, nullptr);
    HRGN region = CreatePolygonRgn(outline, 6, ALTERNATE);
    if (!SetWindowRgn(tiles[slot], region, TRUE)) DeleteObject(region);
    ShowWindow(tiles[slot], SW_SHOW);
  }
}

void create_status_bar(HWND main) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0,
                             0, 0, 0, main, nullptr, nullptr, nullptr);
  SendMessageA(bar, SB_SIMPLE, TRUE, 0);
}

// The game's menu bar has five titles, the first and last with drop-downs.
HMENU make_menu() {
  HMENU bar = CreateMenu(), game = CreatePopupMenu(), help = CreatePopupMenu();
  AppendMenuA(game, MF_STRING, 1, "New");
  AppendMenuA(game, MF_STRING, 2, "Quit");
  AppendMenuA(help, MF_STRING, 3, "About");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), "Game");
  AppendMenuA(bar, MF_STRING, 4, "Undo");
  AppendMenuA(bar, MF_STRING, 5, "Hint");
  AppendMenuA(bar, MF_STRING, 6, "Ranking");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Help");
  return bar;
}

LRESULT CALLBACK main_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      create_tiles(window);
      create_status_bar(window);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wparam, lparam);
  }
}

void repaint_everything(HWND main) {
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

double now_ms() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A new deal in the design: every tile window invalidated, then all of them painted.
// Timed as the game's new game is, from a window with nothing left to paint. Plain
// arrays and no C++ run-time keep the program as small as a start-up floor should be.
int measure_repaints(HWND main, int rounds) {
  static double times[1000];
  rounds = std::min(std::max(rounds, 1), 1000);
  SetWindowPos(main, HWND_TOPMOST, 60, 60, 0, 0, SWP_NOSIZE);
  for (int round = 0; round < rounds; ++round) {
    repaint_everything(main);
    double start = now_ms();
    for (HWND tile : tiles) InvalidateRect(tile, nullptr, FALSE);
    repaint_everything(main);
    GdiFlush();
    times[round] = now_ms() - start;
  }
  std::sort(times, times + rounds);
  std::printf("%-44s median %8.3f ms   quartile %8.3f ms   worst %8.3f ms   (%d rounds)\n",
              "design: 144 tiles invalidated and repainted", times[rounds / 2], times[rounds / 4],
              times[rounds - 1], rounds);
  std::fflush(stdout);
  DestroyWindow(main);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int show) {
  take_scale();
  make_picture();
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  HBRUSH gray = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  WNDCLASSA main_class = {CS_HREDRAW | CS_VREDRAW, main_proc, 0, 0, nullptr,
                          nullptr, arrow, gray, nullptr, "Design Main"};
  WNDCLASSA tile_class = {CS_HREDRAW | CS_VREDRAW, tile_proc, 0, 0, nullptr,
                          nullptr, arrow, nullptr, nullptr, "Design Tile"};
  RegisterClassA(&main_class);
  RegisterClassA(&tile_class);
  HWND window = CreateWindowExA(0, "Design Main", "Design floor",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, scaled(780), scaled(580), nullptr, make_menu(),
                                nullptr, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  if (std::strncmp(command_line, "repaint ", 8) == 0)
    return measure_repaints(window, std::atoi(command_line + 8));
  return run_message_loop();
}
