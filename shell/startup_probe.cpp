// The start-up figure: process creation to the first frame on screen, and memory then.
#include "startup_probe.h"
#include <windows.h>
#include <psapi.h>
#include <stdio.h>

void note_first_frame() {
  FILETIME now, created, exited, kernel, user;
  GetSystemTimeAsFileTime(&now);
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  ULARGE_INTEGER a = {{now.dwLowDateTime, now.dwHighDateTime}};
  ULARGE_INTEGER b = {{created.dwLowDateTime, created.dwHighDateTime}};
  double ms = static_cast<double>(a.QuadPart - b.QuadPart) / 10000.0;
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                       sizeof(memory));
  char line[128];
  snprintf(line, sizeof(line), "first-frame-ms=%.1f private-kb=%lu\n", ms,
           static_cast<unsigned long>(memory.PrivateUsage / 1024));
  OutputDebugStringA(line);
}
