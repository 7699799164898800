// The stuck and cleared banners: each shows one picture under its own palette and
// hides itself when clicked; neither tells the main window anything.
#include "banner_windows.h"
#include "dib.h"
#include "display_scale.h"
#include "resource.h"

HWND omigoto_window = nullptr;
HWND tezumari_window = nullptr;
HPALETTE omigoto_palette = nullptr;
HPALETTE tezumari_palette = nullptr;
int omigoto_color_count = 0;
int tezumari_color_count = 0;

namespace {

struct Banner {
  const wchar_t* class_name;
  int left, top, width, height;
  int child_id;
  int picture;
  HWND* window;
  HPALETTE* palette;
  int* color_count;
};

const Banner omigoto = {L"Omigoto Window", 130, 140, 500, 250, ID_OMIGOTO_WINDOW, IDB_OMIGOTO,
                        &omigoto_window, &omigoto_palette, &omigoto_color_count};
const Banner tezumari = {L"Tezumari Window", 720, 50, 32, 144, ID_TEZUMARI_WINDOW, IDB_TEZUMARI,
                         &tezumari_window, &tezumari_palette, &tezumari_color_count};

// The banner is as large as its picture (a set may carry the one of the set below),
// with its middle where the 96-DPI one's is, scaled: left, top, width and height.
RECT banner_place(const Banner& banner) {
  int width = at_display_scale(banner.width), height = at_display_scale(banner.height);
  const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(art_picture(banner.picture, art_set_in_use));
  if (header) {
    width = header->biWidth;
    height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  }
  return RECT{at_display_scale(2 * banner.left + banner.width) / 2 - width / 2,
              at_display_scale(2 * banner.top + banner.height) / 2 - height / 2, width, height};
}

// Created hidden; later siblings (the tiles) go below it.
void create_banner(const Banner& banner, HWND main_window) {
  if (*banner.window && IsWindow(*banner.window)) return;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(main_window, GWLP_HINSTANCE));
  const RECT place = banner_place(banner);
  *banner.window = CreateWindowExW(0, banner.class_name, nullptr, WS_CHILD | WS_CLIPSIBLINGS, place.left, place.top,
                                   place.right, place.bottom, main_window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(banner.child_id)), instance, nullptr);
}

void place_banner(const Banner& banner) {
  if (!*banner.window) return;
  const RECT place = banner_place(banner);
  SetWindowPos(*banner.window, nullptr, place.left, place.top, place.right, place.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The banner is seen only inside the ellipse; the corners show what lies below.
void cut_omigoto_to_ellipse() {
  const RECT place = banner_place(omigoto);
  HRGN ellipse = CreateEllipticRgn(0, 0, place.right, place.bottom);
  if (ellipse && !SetWindowRgn(omigoto_window, ellipse, TRUE)) DeleteObject(ellipse);
}

void on_create(const Banner& banner) {
  if (!*banner.palette) *banner.palette = dib_make_palette(banner.picture, banner.color_count);
}

void on_paint(const Banner& banner, HWND window) {
  packed_dib_paint(window, *banner.palette, art_picture(banner.picture, art_set_in_use), *banner.color_count);
}

void on_left_button(HWND window) { ShowWindow(window, SW_HIDE); }

LRESULT banner_proc(const Banner& banner, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: on_create(banner); return 0;
    case WM_PAINT: on_paint(banner, window); return 0;
    case WM_LBUTTONDOWN: on_left_button(window); return 0;
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

void create_omigoto_window(HWND main_window) {
  create_banner(omigoto, main_window);
  cut_omigoto_to_ellipse();
}

void place_banners() {
  place_banner(omigoto);
  if (omigoto_window) cut_omigoto_to_ellipse();
  place_banner(tezumari);
}

void create_tezumari_window(HWND main_window) { create_banner(tezumari, main_window); }

LRESULT CALLBACK omigoto_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return banner_proc(omigoto, window, message, wparam, lparam);
}

LRESULT CALLBACK tezumari_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return banner_proc(tezumari, window, message, wparam, lparam);
}
