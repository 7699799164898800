// Milliseconds from the performance counter, for figures measured in test programs and
// benchmarks alike. Header only, so that plain programs outside the test support can time too.
#pragma once
#include <windows.h>

inline double now_ms() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}
