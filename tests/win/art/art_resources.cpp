// Raw resource access shared by the art tests.
#include "art_resources.h"

RawResource raw_resource(int id, LPCSTR type) {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(id), type);
  if (!found) return {nullptr, 0};
  return {static_cast<const uint8_t*>(LockResource(LoadResource(self, found))),
          SizeofResource(self, found)};
}
