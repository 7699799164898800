// The stack guard's values, for the guard's own set-up and its tests.
#pragma once

// Until the set-up has run: a terminator that string copies cannot write.
constexpr unsigned STACK_GUARD_START = 0xff0a0d00u;

extern "C" void* __stack_chk_guard;

// A guard made from what differs between runs, for a system that gives no random
// value: never 0 and never STACK_GUARD_START.
unsigned stack_guard_fallback();
