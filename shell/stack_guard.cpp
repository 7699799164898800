// The guard that the program's functions with arrays on the stack check before they
// return (-fstack-protector-strong), and the end of a run that finds it overwritten.
// GCC's own libssp makes its guard through the system's crypto provider, which costs
// Wine some 25 ms of libraries before the first frame; RtlGenRandom gives the same
// randomness from advapi32, which every process has loaded already.
#include <windows.h>
#include <ntsecapi.h>

extern "C" {

// Before the random value is in place: a terminator that string copies cannot write.
void* __stack_chk_guard = reinterpret_cast<void*>(0xff0a0d00);

// Not guarded itself: it changes the value it would compare on return.
__attribute__((constructor(101), no_stack_protector)) void stack_guard_setup() {
  void* guard = nullptr;
  if (RtlGenRandom(&guard, sizeof guard) && guard) __stack_chk_guard = guard;
}

// Nothing may run on a smashed stack, no handler and no destructor: the process ends
// at once, with the code Windows gives a broken stack guard.
__attribute__((noreturn)) void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_trap();
}

}
