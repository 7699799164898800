// One disabled test of a test program, run in a process of its own.
#pragma once
#include <windows.h>
#include <string>

// Runs program (this test program, or a copy of it placed elsewhere, which then sees
// that folder as its own) with only the named disabled test, and returns its exit
// code. A child still running after wait_ms is ended, and WAIT_TIMEOUT returned.
DWORD run_child_test(const std::wstring& program, const std::wstring& test, DWORD wait_ms);
