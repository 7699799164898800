// One file taking another's place in a single step.
#pragma once
#include <windows.h>

// 1 when the file at from now stands at to, in place of any file there; else 0, and
// both are as they were. A file another program holds open, sharing it for deleting,
// is replaced too where Windows allows it (Windows 10 1607 and later, NTFS).
int replace_file(const wchar_t* from, const wchar_t* to);

// The rename through the open file, which lets others keep the replaced file open;
// null where the system has none, or to try only the older rename.
using RenameByHandle = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD);
extern RenameByHandle rename_by_handle;
