// Case folding for names, which the platforms compare without regard to case.
// ASCII only: bytes from 0x80 up are compared as they are.
#pragma once

#include <algorithm>
#include <string_view>

namespace platform {

inline char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

}  // namespace platform
