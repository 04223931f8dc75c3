// The library's entry point on Windows.
#include <windows.h>

#include "zadcine/api.h"

namespace {
// The module instance handle the loader passed last.
HINSTANCE hInstance = nullptr;
}  // namespace

extern "C" ZADCINE_API BOOL WINAPI DllMain(HINSTANCE InInstance, DWORD /*Reason*/,
                                           LPVOID /*Reserved*/) {
  hInstance = InInstance;
  return TRUE;
}
