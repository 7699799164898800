// The font of a ranking name box: the dialog's own where the name fits, else smaller
// and, below the readable size, narrower, so every name the ranking keeps shows whole.
#pragma once
#include <windows.h>

// Fits `box` to its text as the ranking keeps it (31 bytes of Shift-JIS). `own` is the
// font made for the box before (null while it shows the dialog's), replaced and freed
// here; the one the box now shows is left in it, for the caller to free at the end.
void fit_name_font(HWND box, HFONT* own);
