// The entry point on Windows of every native package library, compiled into
// each by add_native_package: it keeps the module instance handle the loader
// passes, for every reason, and reports success.
#include <windows.h>

namespace {
// The module instance handle the loader passed last.
HINSTANCE hInstance = nullptr;
}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI DllMain(HINSTANCE InInstance, DWORD /*Reason*/,
                                                     LPVOID /*Reserved*/) {
  hInstance = InInstance;
  return TRUE;
}
