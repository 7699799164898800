// The stuck and cleared banners: each shows one picture under its own palette and
// hides itself when clicked; neither tells the main window anything.
#include "banner_windows.h"
#include "dib.h"
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

// Created hidden; later siblings (the tiles) go below it.
void create_banner(const Banner& banner, HWND main_window) {
  if (*banner.window && IsWindow(*banner.window)) return;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(main_window, GWLP_HINSTANCE));
  *banner.window = CreateWindowExW(0, banner.class_name, nullptr, WS_CHILD | WS_CLIPSIBLINGS, banner.left,
                                   banner.top, banner.width, banner.height, main_window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(banner.child_id)),
                                   instance, nullptr);
}

void on_create(const Banner& banner) {
  if (!*banner.palette) *banner.palette = dib_make_palette(banner.picture, banner.color_count);
}

void on_paint(const Banner& banner, HWND window) {
  dib_paint(window, *banner.palette, banner.picture, *banner.color_count);
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
  // The banner is seen only inside the ellipse; the corners show what lies below.
  HRGN ellipse = CreateEllipticRgn(0, 0, 500, 250);
  if (ellipse && !SetWindowRgn(omigoto_window, ellipse, TRUE)) DeleteObject(ellipse);
}

void create_tezumari_window(HWND main_window) { create_banner(tezumari, main_window); }

LRESULT CALLBACK omigoto_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return banner_proc(omigoto, window, message, wparam, lparam);
}

LRESULT CALLBACK tezumari_wnd_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return banner_proc(tezumari, window, message, wparam, lparam);
}
