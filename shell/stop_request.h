// A stop request that a worker's waits wake on: a manual-reset event, and beside
// it a flag, so that a request whose event could not be made still lets the waits
// run their length and still ends them early.
#pragma once
#include <windows.h>
#include <atomic>

struct StopRequest {
  HANDLE event;   // nullptr when none could be made
  std::atomic<bool> requested{false};
};

// Once set, every wait returns 1 at once until the request is cleared.
void stop_request_set(StopRequest* request);
void stop_request_clear(StopRequest* request);
// Sleeps up to ms milliseconds; returns 1 as soon as the request is (or becomes)
// set, else 0.
int stop_request_wait(StopRequest* request, int ms);
