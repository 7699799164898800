// One disabled test of a test program, run in a process of its own.
#pragma once
#include <windows.h>
#include <string>

// Starts program (this test program, or a copy of it placed elsewhere, which then sees
// that folder as its own) with only the named disabled test: its process, for the
// caller to wait for or end and to close, or null when it could not start.
HANDLE start_child_test(const std::wstring& program, const std::wstring& test);
// The same, and waits for it: its exit code. A child still running after wait_ms is
// ended, and WAIT_TIMEOUT returned.
DWORD run_child_test(const std::wstring& program, const std::wstring& test, DWORD wait_ms);
