// The guard that the program's functions with arrays on the stack check before they
// return (-fstack-protector-strong), and the end of a run that finds it overwritten.
// GCC's own libssp makes its guard through the system's crypto provider, which costs
// Wine some 25 ms of libraries before the first frame. RtlGenRandom comes from
// advapi32. Under Wine, whose user32, gdi32 and ole32 load advapi32 anyway, it reads
// the system's random source and loads nothing more. On Windows advapi32 forwards it
// to cryptbase.dll, a small library that the loader brings in at start with it.
#include "stack_guard.h"
#include <windows.h>
#include <ntsecapi.h>

extern "C" {

// Before the random value is in place: a terminator that string copies cannot write.
void* __stack_chk_guard = reinterpret_cast<void*>(STACK_GUARD_START);

}

namespace {

// One step of a well-mixing integer hash, so that sources which differ in a few low
// bits alone still give guards that differ everywhere.
__attribute__((no_stack_protector)) unsigned mix(unsigned hash, unsigned value) {
  hash ^= value + 0x9e3779b9u + (hash << 6) + (hash >> 2);
  hash ^= hash >> 16;
  hash *= 0x7feb352du;
  hash ^= hash >> 15;
  hash *= 0x846ca68bu;
  return hash ^ (hash >> 16);
}

}  // namespace

// What this run alone has: the moment to the counter's tick, the process and the
// thread, and where the loader put the stack. None of it is secret, but together
// they differ from run to run, so an attacker meets no constant to write back.
__attribute__((no_stack_protector)) unsigned stack_guard_fallback() {
  LARGE_INTEGER counter = {};
  QueryPerformanceCounter(&counter);
  FILETIME now = {};
  GetSystemTimeAsFileTime(&now);
  unsigned hash = mix(0, counter.LowPart);
  hash = mix(hash, counter.HighPart);
  hash = mix(hash, now.dwLowDateTime);
  hash = mix(hash, GetTickCount());
  hash = mix(hash, GetCurrentProcessId());
  hash = mix(hash, GetCurrentThreadId());
  hash = mix(hash, static_cast<unsigned>(reinterpret_cast<UINT_PTR>(&counter)));
  // Neither a guard of nothing nor the start value, which anyone can read here.
  if (hash == 0 || hash == STACK_GUARD_START) hash = ~STACK_GUARD_START;
  return hash;
}

extern "C" {

// Not guarded itself: it changes the value it would compare on return.
__attribute__((constructor(101), no_stack_protector)) void stack_guard_setup() {
  unsigned guard = 0;
  if (!RtlGenRandom(&guard, sizeof guard) || guard == 0 || guard == STACK_GUARD_START)
    guard = stack_guard_fallback();
  __stack_chk_guard = reinterpret_cast<void*>(static_cast<UINT_PTR>(guard));
}

// Nothing may run on a smashed stack, no handler and no destructor: the process ends
// at once, with the code Windows gives a broken stack guard.
__attribute__((noreturn)) void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_trap();
}

}
