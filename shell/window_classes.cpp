// The four window classes: the main window, the two banners and the tiles.
#include "window_classes.h"
#include "banner_windows.h"
#include "main_window.h"
#include "program_icons.h"
#include "resource.h"
#include "tile_windows.h"

namespace {

// The main class's background lives as long as the program, so it is made once
// even when tests register the classes again.
HBRUSH main_class_brush(HINSTANCE instance) {
  static HBRUSH brush = nullptr;
  if (!brush) {
    HBITMAP pattern = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_BACKGROUND));
    brush = CreatePatternBrush(pattern);
    DeleteObject(pattern);   // the brush keeps its own copy of the pattern
  }
  return brush;
}

// The class's pictures at the system's DPI, loaded once for the program's life, as
// tests register the classes again.
struct ClassPictures {
  HICON icon, small_icon;
  HCURSOR finger;
};

const ClassPictures& class_pictures() {
  static const ClassPictures pictures = {program_icon(nullptr, SM_CXICON), program_icon(nullptr, SM_CXSMICON),
                                         finger_cursor(dpi_of(nullptr))};
  return pictures;
}

void register_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon,
                    HCURSOR cursor, HBRUSH background, const wchar_t* menu) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = icon;
  window_class.hIconSm = icon ? class_pictures().small_icon : nullptr;
  window_class.hCursor = cursor;
  window_class.hbrBackground = background;
  window_class.lpszMenuName = menu;
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

}  // namespace

void register_window_classes(HINSTANCE instance) {
  HCURSOR finger = class_pictures().finger;
  register_class(instance, MAIN_CLASS, main_wnd_proc, class_pictures().icon, LoadCursorA(nullptr, IDC_ARROW),
                 main_class_brush(instance), MAKEINTRESOURCEW(IDR_MAIN_MENU));
  register_class(instance, OMIGOTO_CLASS, omigoto_wnd_proc, nullptr, finger, nullptr, nullptr);
  register_class(instance, TEZUMARI_CLASS, tezumari_wnd_proc, nullptr, finger,
                 static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH)), nullptr);
  register_class(instance, PAI_CLASS, pai_wnd_proc, nullptr, finger, nullptr, nullptr);
}
