// A file's bytes, read or written whole.
#pragma once
#include <windows.h>
#include <string>

// ERROR_SUCCESS with the file's bytes, or the error that stopped the read; no file
// reads as none, with ERROR_FILE_NOT_FOUND. Others may have the file open, even for
// writing or deleting.
DWORD file_read_whole(const wchar_t* path, std::string* bytes);
// True when every byte reached the handle's file.
bool file_put_all(HANDLE file, const std::string& bytes);
