// Whether a file could be written and replaced, asked without writing it.
#pragma once

// What keeps a save from a file, first found first.
enum FileFault {
  SAVE_OK,
  SAVE_READ_ONLY,       // the player marked the file read-only
  SAVE_HELD,            // another program has it open and shares it with no writer
  SAVE_NO_ROOM,         // the folder, or the path, takes no new file
  SAVE_COPY_IN_THE_WAY, // a folder stands where the save's copy goes
  SAVE_LOCK_HELD,       // another program holds the file of the saves' turn, doing nothing with the settings
  SAVE_LOCK_IN_THE_WAY, // a folder stands where the file of the saves' turn goes
};

// What keeps a save from the file at path: a save makes a new file in its folder and
// puts it in the file's place, so the folder must take one and the file, if there is
// one, be neither read-only nor held. An existing file keeps its bytes and its time,
// and nothing is left behind; but asking a folder makes a file there and deletes it,
// which changes the folder's modified time.
FileFault file_fault(const wchar_t* path);
// 1 when file_fault finds nothing in the way.
int file_writable(const wchar_t* path);
