#include "gui/code_word.h"

#include <gtest/gtest.h>

#include "gui/forms.h"

namespace hostdeck::gui {
namespace {

TEST(CodeWordTest, IsBuiltFromTheAuthorLine) {
  EXPECT_EQ(BuildCodeWord(AboutForm().Find("lblThree").caption), "Kv0Z0xnq0R");
  EXPECT_EQ(BuildCodeWord("Copyright 2007 Jane Roe"), "Jv0Z0xoq0R");
  EXPECT_EQ(BuildCodeWord("2006"), "vZxqR");
}

}  // namespace
}  // namespace hostdeck::gui
