#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

struct SplitCase {
  const char* text;
  std::vector<std::string> args;
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, SplitsAsTheWindowsRuntimeDoes) {
  EXPECT_EQ(SplitCommandLine(GetParam().text), GetParam().args);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCommandLineTest,
    ::testing::Values(
        SplitCase{"", {""}}, SplitCase{"game.exe", {"game.exe"}},
        SplitCase{"game.exe ", {"game.exe"}},
        SplitCase{"C:\\Program Files\\ZARN\\system\\ucc.exe server DM_Base2.unr?NP=6 -port=7777",
                  {"C:\\Program", "Files\\ZARN\\system\\ucc.exe", "server", "DM_Base2.unr?NP=6",
                   "-port=7777"}},
        // The program name takes backslashes literally and quotes only group.
        SplitCase{"\"C:\\Program Files\\a\\\" x", {"C:\\Program Files\\a\\", "x"}},
        SplitCase{"p  a\t\tb", {"p", "a", "b"}}, SplitCase{"p \"a b\" c", {"p", "a b", "c"}},
        SplitCase{"p a\\\\b", {"p", "a\\\\b"}}, SplitCase{"p a\\\"b", {"p", "a\"b"}},
        SplitCase{"p a\\\\\"b c\"", {"p", "a\\b c"}}, SplitCase{"p \"a\"\"b\"", {"p", "a\"b"}},
        SplitCase{"p \"\"", {"p", ""}},
        SplitCase{"p \"unterminated text", {"p", "unterminated text"}},
        SplitCase{"p $(touch x) ;|&", {"p", "$(touch", "x)", ";|&"}}));

TEST(ArgumentsOfTest, IsTheTextAfterTheProgramAndItsBlanks) {
  EXPECT_EQ(ArgumentsOf(""), "");
  EXPECT_EQ(ArgumentsOf("ZARN.exe"), "");
  EXPECT_EQ(ArgumentsOf("ZARN.exe "), "");
  EXPECT_EQ(ArgumentsOf("ZARN.exe \t -windowed  \"a  b\" "), "-windowed  \"a  b\" ");
  EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\ZARN14\\ZARN.exe\" DM_Banque.unr"), "DM_Banque.unr");
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
    std::vector<std::string> expected = {"game.exe"};
    expected.insert(expected.end(), args.begin(), args.end());
    EXPECT_EQ(SplitCommandLine("game.exe " + text), expected) << text;
  }
  EXPECT_EQ(JoinArguments({"-windowed", "DM_Banque.unr"}), "-windowed DM_Banque.unr");
}

}  // namespace
}  // namespace platform
