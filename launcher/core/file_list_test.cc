#include "core/file_list.h"

#include <gtest/gtest.h>

#include "testing/temp_dir.h"

namespace hostdeck {
namespace {

TEST(MatchesPatternTest, WindowsPatterns) {
  struct Case {
    std::string name, pattern;
    bool matches;
  };
  for (const Case& c : std::vector<Case>{{"Docks", "*.*", true},
                                         {"SPADS 2 (ZARN 1.4)", "*.*", true},
                                         {"Docks", "*.", true},
                                         {"SPADS 2 (ZARN 1.4)", "*.", false},
                                         {"readme.txt", "*.", false},
                                         {"DM-Arena.unr", "*.unr", true},
                                         {"DM-Arena.UNR", "*.unr", true},
                                         {"DM-Arena.unr.bak", "*.unr", false},
                                         {"unr", "*.unr", false},
                                         {".unr", "*.unr", true}}) {
    EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
  }
}

TEST(FileListTest, ListsMatchingFilesAlphabeticallyWithNothingSelected) {
  testing_support::TempDir dir;
  for (const char* name : {"b.unr", "A.unr", "c.txt", "a2.unr"}) {
    testing_support::WriteFile(dir.path() / name, "");
  }
  std::filesystem::create_directory(dir.path() / "folder.unr");
  FileList list;
  list.Fill(dir.str(), "*.unr");
  EXPECT_EQ(list.names(), (std::vector<std::string>{"A.unr", "a2.unr", "b.unr"}));
  EXPECT_EQ(list.selected_name(), "");

  list.Select("b.unr");
  EXPECT_EQ(list.selected_index(), 2);
  list.Select("B.unr");  // entries are chosen as listed
  EXPECT_EQ(list.selected_name(), "");
  list.Select(1);
  EXPECT_EQ(list.selected_name(), "a2.unr");
  list.Fill(dir.str(), "*.unr");
  EXPECT_EQ(list.selected_index(), -1);
}

TEST(FileListTest, AMissingFolderListsNothing) {
  testing_support::TempDir dir;
  FileList list;
  list.Fill(dir.str() + "/missing", "*.*");
  EXPECT_TRUE(list.names().empty());
  list.Select(0);
  EXPECT_EQ(list.selected_name(), "");
}

}  // namespace
}  // namespace hostdeck
