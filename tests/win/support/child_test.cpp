// One disabled test of a test program, run in a process of its own.
#include "child_test.h"

HANDLE start_child_test(const std::wstring& program, const std::wstring& test) {
  // Brief: a child prints only what fails, not the lines of every test it passes.
  std::wstring command = L"\"" + program + L"\" --gtest_brief=1 --gtest_also_run_disabled_tests --gtest_filter=" + test;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  if (!CreateProcessW(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &child))
    return nullptr;
  CloseHandle(child.hThread);
  return child.hProcess;
}

DWORD run_child_test(const std::wstring& program, const std::wstring& test, DWORD wait_ms) {
  HANDLE child = start_child_test(program, test);
  if (!child) return GetLastError();
  DWORD code = WAIT_TIMEOUT;
  if (WaitForSingleObject(child, wait_ms) == WAIT_OBJECT_0) GetExitCodeProcess(child, &code);
  else TerminateProcess(child, WAIT_TIMEOUT);
  CloseHandle(child);
  return code;
}
