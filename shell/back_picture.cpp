// The off-screen picture and its drawing objects, made again when the scale changes.
#include "back_picture.h"
#include "app_identity.h"
#include "art_sets.h"
#include "display_scale.h"
#include "resource.h"
#include "shell_state.h"

namespace {

// The 100 % pattern goes through a bitmap of the screen's own format, as it always
// has (the palette path relies on it); a larger set's pattern is used as stored.
HBRUSH background_brush() {
  if (art_set_in_use != 100) {
    if (const unsigned char* dib = art_picture(IDB_BACKGROUND, art_set_in_use))
      return CreateDIBPatternBrushPt(dib, DIB_RGB_COLORS);
  }
  HBITMAP pattern = LoadBitmapA(app_instance, MAKEINTRESOURCEA(IDB_BACKGROUND));
  HBRUSH brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);   // the brush keeps its own copy
  return brush;
}

// The face name goes to GDI in UTF-16: GDI reads an ANSI name in the system's code
// page, not in the one the program's manifest asks for, and would miss the face on a
// Windows of another language.
HFONT time_font_at_scale() {
  return CreateFontW(at_display_scale(20), 0, 0, 0, 900, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                     L"MS 明朝");
}

// Selected into back_dc first, so the one it replaces is free to go.
template <typename Handle>
void put_in_back_dc(Handle& held, Handle made) {
  SelectObject(back_dc, made);
  if (held) DeleteObject(held);
  held = made;
}

}  // namespace

// back_dc keeps these objects, and the time's colours, for the program's life.
void make_back_picture(HWND window) {
  HDC dc = GetDC(window);
  if (!back_dc) back_dc = CreateCompatibleDC(dc);
  const int width = at_display_scale(BACK_WIDTH), height = at_display_scale(BACK_HEIGHT);
  put_in_back_dc(back_bitmap, CreateCompatibleBitmap(dc, width, height));
  put_in_back_dc(back_brush, background_brush());
  PatBlt(back_dc, 0, 0, width, height, PATCOPY);
  put_in_back_dc(path_pen, CreatePen(PS_DASH, at_display_scale(10), RGB(0, 255, 255)));
  put_in_back_dc(time_font, time_font_at_scale());
  SetBkMode(back_dc, TRANSPARENT);
  SetTextColor(back_dc, RGB(255, 0, 255));
  ReleaseDC(window, dc);
}
