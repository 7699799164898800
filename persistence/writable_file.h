// Whether a file could be written, asked without writing it.
#pragma once

// 1 when the file at path opens for writing or, when there is none yet, when its
// folder takes a new file; else 0. Nothing is made, changed or left behind.
int file_writable(const wchar_t* path);
