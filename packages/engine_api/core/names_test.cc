#include "core/names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NameTest, FindOnlyModeGivesTheNoneNameForUnknownTextAndCreatesNothing) {
  const int32_t Before = FName::GetMaxNames();
  const FName Missing("NameTestNeverCreated", FNAME_Find);
  EXPECT_EQ(Missing.GetIndex(), 0);
  EXPECT_EQ(Missing, FName(NAME_None));
  EXPECT_STREQ(*Missing, "None");
  EXPECT_EQ(FName::GetMaxNames(), Before);
}

TEST(NameTest, CreatingModesMakeTheNameThatFindThenFinds) {
  for (EFindName Mode : {FNAME_Add, FNAME_Create}) {
    const std::string Text = "NameTestCreated" + std::to_string(Mode);
    const FName Created(Text.c_str(), Mode);
    EXPECT_NE(Created.GetIndex(), 0);
    EXPECT_STREQ(*Created, Text.c_str());
    EXPECT_EQ(FName(Text.c_str(), FNAME_Find), Created);
    EXPECT_EQ(FName(Text.c_str(), FNAME_Create), Created) << "creating twice gives the same name";
  }
}

TEST(NameTest, NamesIgnoreCaseAndKeepTheFirstSpelling) {
  const FName First("NameTestMixedCase", FNAME_Create);
  EXPECT_EQ(FName("NAMETESTMIXEDCASE", FNAME_Find), First);
  EXPECT_EQ(FName("nametestmixedcase", FNAME_Create), First);
  EXPECT_STREQ(*FName("nametestmixedcase", FNAME_Find), "NameTestMixedCase");
  EXPECT_EQ(FName("nametestmixedcase", FNAME_Find, true), FName(NAME_None)) << "exact spelling";
  EXPECT_EQ(FName("NameTestMixedCase", FNAME_Find, true), First);
}

TEST(NameTest, EmptyTextAndTheNoneTextAreTheNoneName) {
  EXPECT_EQ(FName("", FNAME_Create), FName(NAME_None));
  EXPECT_EQ(FName(nullptr, FNAME_Create), FName(NAME_None));
  EXPECT_EQ(FName("none", FNAME_Create).GetIndex(), 0);
  EXPECT_EQ(FName().GetIndex(), 0) << "the default name is none";
}

}  // namespace
