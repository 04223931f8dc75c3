#include "platform/own_folder.h"

#include <unistd.h>

#include <string>

namespace platform {

std::string OwnFolder() {
  std::string path(4096, '\0');
  ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<size_t>(length) >= path.size()) return {};
  path.resize(static_cast<size_t>(length));
  return path.substr(0, path.rfind('/'));
}

}  // namespace platform
