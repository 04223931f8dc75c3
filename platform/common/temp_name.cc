#include "common/temp_name.h"

#include <algorithm>
#include <random>

#include "common/ascii.h"

namespace platform {
namespace {

constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kUniqueLength = 6;
constexpr std::string_view kEnd = ".tmp";

bool IsLetterOrDigit(char c) { return kLetters.find(c) != std::string_view::npos; }

}  // namespace

std::string NewTempName(std::string_view target_name) {
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, kLetters.size() - 1);
  std::string name = "." + std::string(target_name) + ".";
  for (size_t i = 0; i < kUniqueLength; ++i) name += kLetters[pick(random)];
  return name + std::string(kEnd);
}

bool IsTempNameFor(std::string_view name, std::string_view target_name, bool ignore_case) {
  if (name.size() != 1 + target_name.size() + 1 + kUniqueLength + kEnd.size()) return false;
  auto same = [ignore_case](std::string_view a, std::string_view b) {
    return ignore_case ? EqualsIgnoringCase(a, b) : a == b;
  };
  std::string_view unique = name.substr(2 + target_name.size(), kUniqueLength);
  return name.front() == '.' && same(name.substr(1, target_name.size()), target_name) &&
         name[1 + target_name.size()] == '.' &&
         std::all_of(unique.begin(), unique.end(), IsLetterOrDigit) &&
         same(name.substr(name.size() - kEnd.size()), kEnd);
}

}  // namespace platform
