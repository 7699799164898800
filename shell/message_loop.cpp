// The message loop of the thread, which also notes how long start-up took.
#include "message_loop.h"
#include <windows.h>
#include <psapi.h>
#include <stdio.h>

namespace {

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

}  // namespace

int run_message_loop() {
  MSG message;
  bool first_frame_noted = false;
  for (;;) {
    if (!first_frame_noted && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      note_first_frame();
      first_frame_noted = true;
    }
    int got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got < 0) return 0;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
