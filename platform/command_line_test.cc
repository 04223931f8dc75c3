#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

struct SplitCase {
  const char* text;
  std::vector<std::string> args;
};

class SplitArgumentsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitArgumentsTest, SplitsAsTheWindowsRuntimeDoes) {
  EXPECT_EQ(SplitArguments(GetParam().text), GetParam().args);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitArgumentsTest,
    ::testing::Values(SplitCase{"", {}}, SplitCase{" \t ", {}},
                      SplitCase{"-windowed", {"-windowed"}},
                      SplitCase{"server DM_Base2.unr?NP=6 -port=7777",
                                {"server", "DM_Base2.unr?NP=6", "-port=7777"}},
                      SplitCase{"a  b\t\tc ", {"a", "b", "c"}},
                      SplitCase{"\"a b\" c", {"a b", "c"}}, SplitCase{"a\\\\b", {"a\\\\b"}},
                      SplitCase{"a\\\"b", {"a\"b"}}, SplitCase{"a\\\\\"b c\"", {"a\\b c"}},
                      SplitCase{"\"a\"\"b\"", {"a\"b"}}, SplitCase{"\"\"", {""}},
                      SplitCase{"\"unterminated text", {"unterminated text"}},
                      SplitCase{"$(touch x) ;|&", {"$(touch", "x)", ";|&"}}));

TEST(CommandLineOfTest, QuotesTheProgramAsOneTokenAndAddsTheArguments) {
  EXPECT_EQ(CommandLineOf("C:\\Program Files\\ZARN\\system\\ucc.exe", "server x -port=1"),
            "\"C:\\Program Files\\ZARN\\system\\ucc.exe\" server x -port=1");
  EXPECT_EQ(CommandLineOf("C:\\Games\\maps\\mapinstaller.exe", ""),
            "\"C:\\Games\\maps\\mapinstaller.exe\"");
  std::string line =
      CommandLineOf("C:\\Program Files\\ZARN\\system\\ZARN.exe", "-windowed  \"a b\"");
  EXPECT_EQ(ArgumentsOf(line), "-windowed  \"a b\"");
}

TEST(ArgumentsOfTest, IsTheTextAfterTheProgramAndItsBlanks) {
  EXPECT_EQ(ArgumentsOf(""), "");
  EXPECT_EQ(ArgumentsOf("ZARN.exe"), "");
  EXPECT_EQ(ArgumentsOf("ZARN.exe "), "");
  EXPECT_EQ(ArgumentsOf("ZARN.exe \t -windowed  \"a  b\" "), "-windowed  \"a  b\" ");
  EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\ZARN14\\ZARN.exe\" DM_Banque.unr"), "DM_Banque.unr");
  // The program token takes backslashes literally and quotes only group.
  EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\a\\\" x"), "x");
  EXPECT_EQ(ArgumentsOf("C:\\Pro\"gram Fi\"les\\a.exe x"), "x");
  EXPECT_EQ(ArgumentsOf("C:\\Program Files\\a.exe x"), "Files\\a.exe x");
}

TEST(JoinArgumentsTest, SplittingGivesTheArgumentsBack) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {""},
      {"-windowed"},
      {"DM_Banque.unr?Name=a b", "", "say \"hi\"", "\t"},
      {"C:\\Program Files\\", "a\\\\b", "a\\\"b", "\\\\\"", "\"\"", "x\"\"y"},
      {"$(touch x);|&", std::string("\x80\xff\n", 3)},
  };
  for (const auto& args : cases) {
    std::string text = JoinArguments(args);
    EXPECT_EQ(SplitArguments(text), args) << text;
    EXPECT_EQ(SplitArguments(ArgumentsOf(CommandLineOf("C:\\a b\\game.exe", text))), args) << text;
  }
  EXPECT_EQ(JoinArguments({"-windowed", "DM_Banque.unr"}), "-windowed DM_Banque.unr");
}

}  // namespace
}  // namespace platform
