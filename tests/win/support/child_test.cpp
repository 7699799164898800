// One disabled test of a test program, run in a process of its own.
#include "child_test.h"

DWORD run_child_test(const std::wstring& program, const std::wstring& test, DWORD wait_ms) {
  std::wstring command = L"\"" + program + L"\" --gtest_also_run_disabled_tests --gtest_filter=" + test;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  if (!CreateProcessW(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &child))
    return GetLastError();
  DWORD code = WAIT_TIMEOUT;
  if (WaitForSingleObject(child.hProcess, wait_ms) == WAIT_OBJECT_0) GetExitCodeProcess(child.hProcess, &code);
  else TerminateProcess(child.hProcess, WAIT_TIMEOUT);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return code;
}
