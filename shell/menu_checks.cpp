// The check marks of the mode and sound items: always one of each pair.
#include "menu_checks.h"
#include "resource.h"

namespace {

// The mark comes off the item that loses it before it goes on the other.
void check_one(HMENU menu, UINT when_set, UINT when_clear, int value) {
  CheckMenuItem(menu, value ? when_clear : when_set, MF_BYCOMMAND | MF_UNCHECKED);
  CheckMenuItem(menu, value ? when_set : when_clear, MF_BYCOMMAND | MF_CHECKED);
}

}  // namespace

void set_menu_checks(HMENU menu, int mode, int sound) {
  check_one(menu, IDM_MODE_EASY, IDM_MODE_NORMAL, mode);
  check_one(menu, IDM_SOUND_ON, IDM_SOUND_OFF, sound);
}
