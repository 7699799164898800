// The check marks of the mode and sound items.
#pragma once
#include <windows.h>

void set_menu_checks(HMENU menu, int mode, int sound);
