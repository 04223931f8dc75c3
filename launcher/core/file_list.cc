#include "core/file_list.h"

#include <algorithm>

#include "platform/files.h"

namespace hostdeck {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Glob(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (size_t skip = 0; skip <= name.size(); ++skip) {
      if (Glob(name.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  if (pattern.front() != '?' && Lower(pattern.front()) != Lower(name.front())) return false;
  return Glob(name.substr(1), pattern.substr(1));
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  auto lower_less = [](char x, char y) { return Lower(x) < Lower(y); };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lower_less)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lower_less))
    return false;
  return a < b;
}

}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") return true;
  if (pattern == "*.") return name.find('.') == std::string_view::npos;
  return Glob(name, pattern);
}

void FileList::Fill(const std::string& folder, std::string_view pattern) {
  names_.clear();
  for (std::string& name : platform::FileNamesIn(folder)) {
    if (MatchesPattern(name, pattern)) names_.push_back(std::move(name));
  }
  std::sort(names_.begin(), names_.end(), LessIgnoringCase);
  selected_ = -1;
}

const std::string& FileList::selected_name() const {
  static const std::string kNone;
  return selected_ < 0 ? kNone : names_[selected_];
}

void FileList::Select(int index) {
  selected_ = index >= 0 && index < static_cast<int>(names_.size()) ? index : -1;
}

void FileList::Select(std::string_view name) {
  auto found = std::find(names_.begin(), names_.end(), name);
  Select(found == names_.end() ? -1 : static_cast<int>(found - names_.begin()));
}

}  // namespace hostdeck
