#include "platform/shared_library.h"

#include <dlfcn.h>

#include <string>
#include <utility>

namespace platform {

std::string SharedLibraryFileName(const std::string& stem) { return stem + ".so"; }

Status SharedLibrary::Open(const std::string& path) {
  // A bare name would make dlopen search the system's library path.
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* reason = dlerror();
    return Status::Error("Cannot load " + path + ": " + (reason ? reason : "unknown error"));
  }
  return Status::Ok();
}

void* SharedLibrary::Symbol(const char* name) const {
  return handle_ ? dlsym(handle_, name) : nullptr;
}

void SharedLibrary::Close() {
  if (handle_) dlclose(std::exchange(handle_, nullptr));
}

}  // namespace platform
