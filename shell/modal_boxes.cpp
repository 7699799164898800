// One dialog or message box of the program at a time. A box asked for while another
// is open is not shown, so no modal loop ever runs inside another's: a timer that
// fires under a box cannot open a second one, and the main window, disabled by the
// one box, is enabled again only when that box closes. Every box is shown by the
// main window's thread (the hint worker hands its verdict over), so each one takes
// the keyboard from the window it disables.
#include "modal_boxes.h"
#include <cstdlib>
#include <cwchar>
#include "app_identity.h"
#include "wide_text.h"

namespace {

int place_taken = 0;

}  // namespace

int modal_box_open() { return place_taken; }

int take_modal_place() {
  if (place_taken) return 0;
  place_taken = 1;
  return 1;
}

void give_back_modal_place() { place_taken = 0; }

INT_PTR show_modal_dialog(HWND owner, int resource, DLGPROC procedure, LPARAM parameter) {
  if (!take_modal_place()) return -1;
  INT_PTR result = DialogBoxParamW(app_instance, MAKEINTRESOURCEW(resource), owner, procedure, parameter);
  give_back_modal_place();
  return result;
}

void show_modal_message(HWND owner, const char* text, const char* caption) {
  if (!take_modal_place()) return;
  message_box_sjis(owner, text, caption, MB_OK);
  give_back_modal_place();
}

void show_modal_message_wide(HWND owner, const wchar_t* text, const wchar_t* caption) {
  if (!take_modal_place()) return;
  MessageBoxW(owner, text, caption, MB_OK);
  give_back_modal_place();
}

// The text is made on the heap, as the path may be 32,767 characters long. Should
// memory run out, the first line is still shown.
void show_path_message(HWND owner, const wchar_t* first, const wchar_t* path, const wchar_t* rest,
                       const wchar_t* caption) {
  const size_t size = std::wcslen(first) + std::wcslen(path) + std::wcslen(rest) + 4;
  wchar_t* text = static_cast<wchar_t*>(std::malloc(size * sizeof(wchar_t)));
  if (!text) {
    show_modal_message_wide(owner, first, caption);
    return;
  }
  std::wcscpy(text, first);
  std::wcscat(text, L"\n");
  std::wcscat(text, path);
  std::wcscat(text, L"\n\n");
  std::wcscat(text, rest);
  show_modal_message_wide(owner, text, caption);
  std::free(text);
}
