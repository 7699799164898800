// Functions of newer Windows looked up when first needed, so the one program still
// starts on the older systems that lack them; null where missing.
#pragma once
#include <windows.h>

template <typename Function>
Function user32_function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}
