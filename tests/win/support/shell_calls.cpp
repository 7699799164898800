// Recording what the program hands the shell.
#include "shell_calls.h"
#include <windows.h>
#include <shlobj.h>

std::vector<ShellCall> shell_calls;
int shell_answer = 1;

int record_shell_call(const wchar_t* verb, const wchar_t* file, const wchar_t* directory) {
  shell_calls.push_back({verb ? verb : L"(default)", file, directory ? directory : L"(none)"});
  return shell_answer;
}

std::wstring own_program() {
  wchar_t path[32768];
  GetModuleFileNameW(nullptr, path, 32768);
  return path;
}

std::wstring own_folder() {
  const std::wstring program = own_program();
  return program.substr(0, program.rfind(L'\\'));
}

std::string code_page_text(const std::wstring& path) {
  std::string text(path.size() * 2 + 1, '\0');
  const int length = WideCharToMultiByte(932, 0, path.c_str(), -1, &text[0],
                                         static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(length > 0 ? length - 1 : 0);
  return text;
}

std::wstring link_file(int folder_id, const std::wstring& name) {
  wchar_t path[MAX_PATH] = L"";
  SHGetSpecialFolderPathW(nullptr, path, folder_id, FALSE);
  return std::wstring(path) + L"\\" + name + L".lnk";
}

std::wstring link_target(const std::wstring& link) {
  std::wstring target;
  CoInitialize(nullptr);
  IShellLinkW* shell_link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&shell_link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t found[MAX_PATH] = L"";
      LPITEMIDLIST items = nullptr;
      if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) && SUCCEEDED(shell_link->GetIDList(&items)) &&
          SHGetPathFromIDListW(items, found))
        target = found;
      CoTaskMemFree(items);
      file->Release();
    }
    shell_link->Release();
  }
  CoUninitialize();
  return target;
}
