// Writing one shell link file into a special folder.
#include "shortcut.h"

#include <shlobj.h>
#include <cstring>
#include <cwchar>

#include "program_path.h"

// Returns 0 when the folder has no file-system path (or none that fits with the name).
static int link_path(HWND owner, int folder_id, const char* link_name, WCHAR* path) {
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator))) return 0;
  LPITEMIDLIST folder = nullptr;
  int found = 0;
  if (SUCCEEDED(SHGetSpecialFolderLocation(owner, folder_id, &folder))) {
    found = SHGetPathFromIDListW(folder, path) ? 1 : 0;
    allocator->Free(folder);
  }
  allocator->Release();
  if (!found) return 0;
  const size_t length = wcslen(path);
  if (length + 1 >= MAX_PATH) return 0;
  path[length] = L'\\';
  // The name is Shift-JIS like every text of the program, read so on any system: a
  // link named through the system's code page would be named in garbage elsewhere.
  return MultiByteToWideChar(932, 0, link_name, -1, path + length + 1, MAX_PATH - length - 1) != 0;
}

static int save_link(IShellLinkW* link, const WCHAR* target, const char* link_name, HWND owner,
                     int folder_id) {
  IPersistFile* file = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) return 0;
  int saved = 0;
  WCHAR path[MAX_PATH];
  if (SUCCEEDED(link->SetPath(target)) && link_path(owner, folder_id, link_name, path))
    saved = SUCCEEDED(file->Save(path, TRUE)) ? 1 : 0;
  file->Release();
  return saved;
}

// COM is set up and torn down around each link, so the caller needs no COM of its own.
int make_shortcut(const WCHAR* target, const char* link_name, HWND owner, int folder_id) {
  const HRESULT com = CoInitialize(nullptr);
  IShellLinkW* link = nullptr;
  int made = 0;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    made = save_link(link, target, link_name, owner, folder_id);
    link->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return made;
}

// The target is the program's wide path: its ANSI one may name no folder at all.
int make_program_shortcut(HWND owner, const char* title, int folder_id) {
  LongPath target;
  program_path(&target);
  if (target.text[0] == L'\0') return 1;
  char link_name[MAX_PATH];
  if (strlen(title) + 4 >= sizeof link_name) return 1;
  strcpy(link_name, title);
  strcat(link_name, ".lnk");
  return make_shortcut(target.text, link_name, owner, folder_id) ? 0 : 1;
}
