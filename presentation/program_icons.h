// The program's icon and hand cursor, each loaded at the size the system uses at a
// window's DPI from the picture made for that size.
#pragma once
#include <windows.h>

// The DPI of `window`, or the system's when it is null; 96 where neither is known.
UINT dpi_of(HWND window);
// `metric` (SM_CXICON, SM_CXSMICON, SM_CXCURSOR) at `dpi`.
int metric_at_dpi(int metric, UINT dpi);
// New handles the caller destroys (DestroyIcon / DestroyCursor); null when not found.
HICON program_icon(HWND window, int metric);
HCURSOR finger_cursor(UINT dpi);
