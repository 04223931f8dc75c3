// The library's entry point on Windows. Declared without the system headers:
// the loader passes the module handle, the reason and a reserved pointer.

#include "zadcine_api.h"

namespace {
void* ModuleInstance = nullptr;
}  // namespace

extern "C" ZADCINE_API int __stdcall DllMain(void* Instance, unsigned long /*Reason*/,
                                             void* /*Reserved*/) {
  ModuleInstance = Instance;
  return 1;
}
