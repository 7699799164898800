// Writing one shell link file into a special folder.
#include "shortcut.h"

#include <shlobj.h>
#include <cstring>

// Returns 0 when the folder has no file-system path (or none that fits with the name).
static int link_path(HWND owner, int folder_id, const char* link_name, char* path) {
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator))) return 0;
  LPITEMIDLIST folder = nullptr;
  int found = 0;
  if (SUCCEEDED(SHGetSpecialFolderLocation(owner, folder_id, &folder))) {
    found = SHGetPathFromIDListA(folder, path) ? 1 : 0;
    allocator->Free(folder);
  }
  allocator->Release();
  if (!found) return 0;
  if (strlen(path) + 1 + strlen(link_name) >= MAX_PATH) return 0;
  strcat(path, "\\");
  strcat(path, link_name);
  return 1;
}

static int save_link(IShellLinkA* link, const char* target, const char* link_name, HWND owner,
                     int folder_id) {
  IPersistFile* file = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) return 0;
  int saved = 0;
  char path[MAX_PATH];
  WCHAR wide_path[MAX_PATH];
  if (SUCCEEDED(link->SetPath(target)) && link_path(owner, folder_id, link_name, path) &&
      MultiByteToWideChar(CP_ACP, 0, path, -1, wide_path, MAX_PATH) != 0)
    saved = SUCCEEDED(file->Save(wide_path, TRUE)) ? 1 : 0;
  file->Release();
  return saved;
}

// COM is set up and torn down around each link, so the caller needs no COM of its own.
int make_shortcut(const char* target, const char* link_name, HWND owner, int folder_id) {
  const HRESULT com = CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  int made = 0;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    made = save_link(link, target, link_name, owner, folder_id);
    link->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return made;
}

int make_program_shortcut(HWND owner, const char* title, int folder_id) {
  char target[MAX_PATH];
  if (GetModuleFileNameA(nullptr, target, MAX_PATH) == 0) return 1;
  target[MAX_PATH - 1] = '\0';
  char link_name[MAX_PATH];
  if (strlen(title) + 4 >= sizeof link_name) return 1;
  strcpy(link_name, title);
  strcat(link_name, ".lnk");
  return make_shortcut(target, link_name, owner, folder_id) ? 0 : 1;
}
