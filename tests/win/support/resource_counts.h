// How many graphics objects, window-manager objects and kernel handles this process
// holds, for tests and benchmarks that look for leaks. Header only, so that plain
// programs outside the test support can count too.
#pragma once
#include <windows.h>

struct ResourceCounts {
  long gdi_objects;
  long user_objects;
  long handles;
};

namespace resource_counts_detail {

// Wine answers GetGuiResources with 0. There the graphics objects are counted in
// the process's own handle table, which the PEB points at (offset 0x94 on 32-bit):
// 65536 entries of 24 bytes, each with its object type at byte 14 (0 when free)
// and a stock flag in the top bit of byte 12.
inline long gdi_table_count() {
#if defined(_WIN64)
  return -1;
#else
  const char* teb = reinterpret_cast<const char*>(NtCurrentTeb());
  const char* peb = *reinterpret_cast<const char* const*>(teb + 0x30);
  const unsigned char* table = *reinterpret_cast<const unsigned char* const*>(peb + 0x94);
  if (table == nullptr) return -1;
  long count = 0;
  for (long entry = 0; entry < 0x10000; ++entry) {
    const unsigned char* e = table + entry * 24;
    if (e[14] != 0 && (e[12] & 0x80) == 0) ++count;
  }
  return count;
#endif
}

inline BOOL CALLBACK count_child(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

inline BOOL CALLBACK count_own_top_level(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, count_child, count);
  return TRUE;
}

// Where the window manager does not count for us: this process's windows, the
// user objects that a leak in this program would pile up.
inline long own_window_count() {
  long count = 0;
  EnumWindows(count_own_top_level, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Nor does Wine count icons and cursors: a handle value Wine hands out (even, from
// 0x20) with no generation in its top half names whatever this process holds at that
// index, so each is asked for its first frame.
inline long own_icon_count() {
  using FrameInfo = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);
  const auto frame_info = reinterpret_cast<FrameInfo>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetCursorFrameInfo")));
  long count = 0;
  DWORD rate, steps;
  for (ULONG_PTR value = 0x20; frame_info && value < 0x10000; value += 2)
    count += frame_info(reinterpret_cast<HCURSOR>(value), 0, 0, &rate, &steps) != nullptr;
  return count;
}

// Where the process's handle count is not reported (Wine says 0): kernel handles
// are multiples of 4, handed out from the bottom, so the valid ones are found by
// asking each value for its flags.
inline long probed_handle_count() {
  long count = 0;
  for (ULONG_PTR value = 4; value < 0x40000; value += 4) {
    DWORD flags;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

}  // namespace resource_counts_detail

inline ResourceCounts resource_counts() {
  ResourceCounts counts;
  counts.gdi_objects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  if (counts.gdi_objects == 0) counts.gdi_objects = resource_counts_detail::gdi_table_count();
  counts.user_objects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  if (counts.user_objects == 0)
    counts.user_objects = resource_counts_detail::own_window_count() + resource_counts_detail::own_icon_count();
  DWORD handles = 0;
  counts.handles = GetProcessHandleCount(GetCurrentProcess(), &handles) ? static_cast<long>(handles) : 0;
  if (counts.handles == 0) counts.handles = resource_counts_detail::probed_handle_count();
  return counts;
}
