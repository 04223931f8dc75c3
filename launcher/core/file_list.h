// FileList: the content of a file list box: the names of the files in one
// folder that match a pattern, in alphabetical order, with at most one selected.
// A folder that cannot be read lists nothing; the list stays usable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hostdeck {

// Whether `name` matches a file list pattern as Windows matches it: "*.*"
// matches every name, "*." the names without a dot, otherwise "*" stands for
// any run of characters and "?" for one, and letters match in either case.
bool MatchesPattern(std::string_view name, std::string_view pattern);

class FileList {
 public:
  // Reads `folder` afresh and lists the matching names sorted without regard
  // to case. Nothing is selected afterwards.
  void Fill(const std::string& folder, std::string_view pattern);

  const std::vector<std::string>& names() const { return names_; }

  // The selected name; empty while nothing is selected.
  const std::string& selected_name() const;
  // -1 while nothing is selected.
  int selected_index() const { return selected_; }
  // Selects the entry at `index`; -1, or an index outside the list, selects nothing.
  void Select(int index);
  // Selects the entry that equals `name` exactly; nothing when there is none.
  void Select(std::string_view name);

  bool enabled() const { return enabled_; }
  void set_enabled(bool enabled) { enabled_ = enabled; }

 private:
  std::vector<std::string> names_;
  int selected_ = -1;
  bool enabled_ = true;
};

}  // namespace hostdeck
