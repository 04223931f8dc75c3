#include "core/names.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "core/strings.h"

namespace {

std::string Folded(const char* Text) {
  std::string Key(Text);
  for (char& C : Key) {
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  }
  return Key;
}

struct FNameTable {
  std::vector<std::string> Entries{"None"};
  std::unordered_map<std::string, int32_t> ByFoldedText{{"NONE", 0}};
};

// Never destroyed: names are read while libraries unload at process end.
FNameTable& Table() {
  static FNameTable* Names = new FNameTable;
  return *Names;
}

}  // namespace

FName::FName(const char* Text, EFindName FindType, bool Exact) : Index(NAME_None) {
  if (!Text || !*Text) return;
  FNameTable& Names = Table();
  const std::string Key = Folded(Text);
  const auto Found = Names.ByFoldedText.find(Key);
  if (Found != Names.ByFoldedText.end()) {
    if (!Exact || Names.Entries[Found->second] == Text) Index = Found->second;
    return;
  }
  if (FindType == FNAME_Find) return;
  Index = static_cast<int32_t>(Names.Entries.size());
  Names.Entries.emplace_back(Text);
  Names.ByFoldedText.emplace(Key, Index);
}

const char* FName::operator*() const { return Table().Entries[Index].c_str(); }

int32_t FName::GetMaxNames() { return static_cast<int32_t>(Table().Entries.size()); }
