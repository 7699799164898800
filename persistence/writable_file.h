// Whether a file could be written, asked without writing it.
#pragma once

// 1 when the file at path opens for writing or, when there is none yet, when its
// folder takes a new file; else 0. An existing file keeps its bytes and its time,
// and nothing is left behind; but asking a folder makes a file there and deletes it,
// which changes the folder's modified time.
int file_writable(const wchar_t* path);
