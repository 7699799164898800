// One dialog or message box of the program at a time. A box asked for while another
// is open is not shown, from whichever thread it is asked for (the hint worker shows
// its box from its own thread), so no modal loop ever runs inside another's: a timer
// that fires under a box cannot open a second one, and the main window, disabled by
// the one box, is enabled again only when that box closes.
#include "modal_boxes.h"
#include <atomic>
#include "app_identity.h"

namespace {

std::atomic<int> place_taken{0};

}  // namespace

int modal_box_open() { return place_taken.load(); }

int take_modal_place() {
  int free = 0;
  return place_taken.compare_exchange_strong(free, 1) ? 1 : 0;
}

void give_back_modal_place() { place_taken.store(0); }

INT_PTR show_modal_dialog(HWND owner, int resource, DLGPROC procedure, LPARAM parameter) {
  if (!take_modal_place()) return -1;
  INT_PTR result = DialogBoxParamA(app_instance, MAKEINTRESOURCEA(resource), owner, procedure, parameter);
  give_back_modal_place();
  return result;
}

void show_modal_message(HWND owner, const char* text, const char* caption) {
  if (!take_modal_place()) return;
  MessageBoxA(owner, text, caption, MB_OK);
  give_back_modal_place();
}
