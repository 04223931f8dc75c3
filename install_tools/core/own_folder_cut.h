// Both install tools find the game folder by cutting a fixed number of
// characters (their own folder's name) off the end of their own folder.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace install_tools {

// `own_folder` less its last `count` characters; empty when it is shorter.
inline std::string CutEnd(std::string_view own_folder, size_t count) {
  return std::string(own_folder.substr(0, own_folder.size() - std::min(count, own_folder.size())));
}

}  // namespace install_tools
