// The settings file beside the executable: one key read or written per call, over the
// file's bytes. The program's saves write through these into the text of the file
// held in memory (settings_save.h).
#pragma once
#include "ini_text.h"
#include "program_path.h"

constexpr const char* SETTINGS_FILE_NAME = "kotopai.ini";

// The file of that name beside the program.
void ini_path(const char* file_name, LongPath* path);
// The path of that file that the file functions are handed: shorter than
// MAX_PATH, through the folder's short form where the whole path is not. 0 where
// there is none (a volume that keeps no short names): the file then reads as the
// defaults and keeps nothing.
int ini_file_path(const char* file_name, LongPath* path);
int ini_exists(const char* file_name);
// 1 when what is written will be kept: the path fits, and the file opens for writing,
// or there is none yet and its folder takes one. Asking leaves the file as it was and
// no file behind, though a folder asked to take one gets a new modified time.
int ini_writable(const char* file_name);
int ini_get_int(const char* section, const char* key, int default_value, const char* file_name);
void ini_get_string(const char* section, const char* key, const char* default_value,
                    char* out, int out_size, const char* file_name);
// 1 when the value was written.
int ini_put_string(const char* section, const char* key, const char* value, const char* file_name);
// While text is set, the ini_ functions handed that name read and write it rather
// than a file; null lets go of it.
void ini_in_memory(const char* file_name, IniText* text);
