// The stop request: the event where there is one, else a polled flag.
#include "stop_request.h"

namespace {

constexpr DWORD POLL_MS = 10;   // the most a stop waits to be seen without the event

}  // namespace

void stop_request_set(StopRequest* request) {
  request->requested.store(true);
  if (request->event) SetEvent(request->event);
}

void stop_request_clear(StopRequest* request) {
  request->requested.store(false);
  if (request->event) ResetEvent(request->event);
}

// A wait on a missing or broken event fails at once; the flag then stands in, read
// every few milliseconds, so the wait keeps its length and a stop still ends it.
int stop_request_wait(StopRequest* request, int ms) {
  const DWORD length = static_cast<DWORD>(ms < 0 ? 0 : ms);
  if (request->event) {
    DWORD result = WaitForSingleObject(request->event, length);
    if (result != WAIT_FAILED) return result == WAIT_OBJECT_0;
  }
  const DWORD start = GetTickCount();
  for (;;) {
    if (request->requested.load()) return 1;
    DWORD spent = GetTickCount() - start;
    if (spent >= length) return 0;
    Sleep(length - spent < POLL_MS ? length - spent : POLL_MS);
  }
}
