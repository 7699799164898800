// One file taking another's place in a single step. MoveFileEx refuses to replace a
// file that a search indexer, a sync client or a scanner holds open, even one that
// lets others delete it; the rename with POSIX semantics replaces it all the same.
// Where that rename is missing (before Windows 10 1607), refused (FAT, exFAT, Wine)
// or fails for any other reason, MoveFileEx is tried.
#include "replace_file.h"

#include <cwchar>
#include <vector>

namespace {

// As Windows 10 1607 lays it out; older headers lack the flags' half of the union.
struct RenameInfoEx {
  DWORD flags;
  HANDLE root_directory;
  DWORD name_bytes;
  WCHAR name[1];
};
constexpr DWORD REPLACE_IF_EXISTS = 0x1, POSIX_SEMANTICS = 0x2;
constexpr FILE_INFO_BY_HANDLE_CLASS RENAME_INFO_EX = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);

RenameByHandle looked_up() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  return kernel ? reinterpret_cast<RenameByHandle>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetFileInformationByHandle"))) : nullptr;
}

bool renamed_by_handle(const wchar_t* from, const wchar_t* to) {
  if (!rename_by_handle) return false;
  HANDLE file = CreateFileW(from, DELETE | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const size_t name_bytes = std::wcslen(to) * sizeof(wchar_t);
  std::vector<unsigned char> buffer(sizeof(RenameInfoEx) + name_bytes);
  RenameInfoEx* info = reinterpret_cast<RenameInfoEx*>(buffer.data());
  info->flags = REPLACE_IF_EXISTS | POSIX_SEMANTICS;
  info->root_directory = nullptr;
  info->name_bytes = static_cast<DWORD>(name_bytes);
  std::wmemcpy(info->name, to, std::wcslen(to) + 1);
  // The flush puts the rename on the disk, as MoveFileEx's write-through does.
  const bool done = rename_by_handle(file, RENAME_INFO_EX, info, static_cast<DWORD>(buffer.size())) != 0;
  if (done) FlushFileBuffers(file);
  const DWORD error = GetLastError();
  CloseHandle(file);
  // Wine 8 answers that it has no such rename: one ask in a run is enough.
  if (!done && (error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED)) rename_by_handle = nullptr;
  SetLastError(error);
  return done;
}

}  // namespace

RenameByHandle rename_by_handle = looked_up();

int replace_file(const wchar_t* from, const wchar_t* to) {
  if (renamed_by_handle(from, to)) return 1;
  return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}
