#include "core/array.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/strings.h"

namespace {

using ::testing::StartsWith;

TEST(FArrayTest, OutOfRangeRemovalFailsWithTheEngineExpressionTexts) {
  struct Case {
    int32_t Index, Count;
    const char* Expression;  // null: in range
  } Cases[] = {
      {-1, 1, "Index>=0"},
      {4, 0, "Index<=ArrayNum"},
      {2, 2, "Index+Count<=ArrayNum"},
      {0, 4, "Index+Count<=ArrayNum"},
      {1, 2, nullptr},
      {3, 0, nullptr},
  };
  for (const Case& C : Cases) {
    FArray Array;
    Array.Add(3, sizeof(int32_t));
    if (!C.Expression) {
      Array.Remove(C.Index, C.Count, sizeof(int32_t));
      EXPECT_EQ(Array.Num(), 3 - C.Count);
      continue;
    }
    try {
      Array.Remove(C.Index, C.Count, sizeof(int32_t));
      ADD_FAILURE() << "no assertion for " << C.Index << "," << C.Count;
    } catch (const FEngineError& Error) {
      EXPECT_THAT(Error.what(),
                  StartsWith("Assertion failed: " + std::string(C.Expression) + " ["));
    }
    EXPECT_EQ(Array.Num(), 3) << "a failed removal changes nothing";
  }
}

TEST(FArrayTest, AddReturnsTheFirstNewIndexAndEmptyKeepsTheRoomAskedFor) {
  FArray Array;
  EXPECT_EQ(Array.Add(2, 8), 0);
  EXPECT_EQ(Array.AddZeroed(3, 8), 2);
  EXPECT_EQ(Array.Num(), 5);
  EXPECT_EQ(static_cast<const char*>(Array.GetData())[2 * 8 + 5], 0);
  Array.Empty(8, 10);
  EXPECT_EQ(Array.Num(), 0);
  EXPECT_EQ(Array.Max(), 10);
  Array.Empty(8);
  EXPECT_EQ(Array.Max(), 0);
  EXPECT_EQ(Array.GetData(), nullptr);
}

TEST(FArrayTest, RemoveClosesTheGapInOrder) {
  TArray<int32_t> Values;
  for (int32_t V : {10, 11, 12, 13, 14}) Values.AddItem(V);
  Values.Remove(1, 2);
  ASSERT_EQ(Values.Num(), 3);
  EXPECT_EQ(Values[0], 10);
  EXPECT_EQ(Values[1], 13);
  EXPECT_EQ(Values[2], 14);
}

// Counts what a list does to its elements (which it relocates bitwise).
struct Tracked {
  static int Copies, Destructions;
  int Value;
  explicit Tracked(int V = 0) : Value(V) {}
  Tracked(const Tracked& Other) : Value(Other.Value) { Copies++; }
  Tracked(Tracked&& Other) noexcept : Value(Other.Value) {}
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { Destructions++; }
};
int Tracked::Copies = 0;
int Tracked::Destructions = 0;

class TArrayTest : public ::testing::Test {
 protected:
  void SetUp() override { Tracked::Copies = Tracked::Destructions = 0; }
};

TEST_F(TArrayTest, CopyGivesIndependentElementsCopiedOnceEach) {
  TArray<Tracked> Source;
  Source.AddItem(Tracked(1));
  Source.AddItem(Tracked(2));
  Tracked::Copies = 0;
  TArray<Tracked> Copy(Source);
  EXPECT_EQ(Tracked::Copies, 2);
  Copy[0].Value = 99;
  EXPECT_EQ(Source[0].Value, 1);
  EXPECT_EQ(Copy[1].Value, 2);
}

TEST_F(TArrayTest, AssignmentToItselfTouchesNoElement) {
  TArray<Tracked> List;
  List.AddItem(Tracked(1));
  Tracked::Copies = Tracked::Destructions = 0;
  TArray<Tracked>& Alias = List;
  List = Alias;
  EXPECT_EQ(Tracked::Copies, 0);
  EXPECT_EQ(Tracked::Destructions, 0);
  EXPECT_EQ(List[0].Value, 1);
}

TEST_F(TArrayTest, AssignmentDestroysTheOldElementsAndAppendsCopies) {
  TArray<Tracked> Target, Source;
  Target.AddItem(Tracked(11));
  Target.AddItem(Tracked(12));
  Target.AddItem(Tracked(13));
  Source.AddItem(Tracked(20));
  Tracked::Copies = Tracked::Destructions = 0;
  Target = Source;
  EXPECT_EQ(Tracked::Destructions, 3);
  EXPECT_EQ(Tracked::Copies, 1);
  ASSERT_EQ(Target.Num(), 1);
  EXPECT_EQ(Target[0].Value, 20);
  EXPECT_GE(Target.Max(), 1);
}

TEST_F(TArrayTest, DestructionDestroysEveryElement) {
  {
    TArray<Tracked> List;
    List.Add(4);
    Tracked::Destructions = 0;
  }
  EXPECT_EQ(Tracked::Destructions, 4);
}

TEST(FStringTest, TextLengthAndEmptyString) {
  const FString Empty;
  EXPECT_STREQ(*Empty, "");
  EXPECT_EQ(Empty.Len(), 0);
  EXPECT_EQ(Empty.Num(), 0) << "an empty string holds no terminator";
  const FString Word("word");
  EXPECT_STREQ(*Word, "word");
  EXPECT_EQ(Word.Len(), 4);
  EXPECT_EQ(FString(""), Empty);
}

TEST(FStringTest, ComparisonIgnoresCaseAndConcatenationJoins) {
  EXPECT_TRUE(FString("Player") == "player");
  EXPECT_TRUE(FString("self") != "selfish");
  EXPECT_TRUE(FString() == "");
  FString Joined = FString("Position") + "Info" + FString("12");
  EXPECT_STREQ(*Joined, "PositionInfo12");
  Joined += "";
  EXPECT_EQ(Joined.Len(), 14);
}

TEST(FStringTest, CopiesAreIndependentAndSelfAssignmentKeepsTheText) {
  FString Source("abc");
  FStringNoInit Copy;
  Copy = Source;
  Source = "xyz";
  EXPECT_STREQ(*Copy, "abc");
  Copy = *Copy + 1;  // a text inside the string itself
  EXPECT_STREQ(*Copy, "bc");
  FString& Alias = Source;
  Source = Alias;
  EXPECT_STREQ(*Source, "xyz");
}

TEST(FStringTest, BoundedCopyAlwaysTerminates) {
  char Buffer[4];
  appStrncpy(Buffer, "abcdef", sizeof(Buffer));
  EXPECT_STREQ(Buffer, "abc");
  appStrcpy(Buffer, "xy");
  EXPECT_STREQ(Buffer, "xy");
  EXPECT_EQ(appStricmp("Self", "SELF"), 0);
  EXPECT_LT(appStricmp("a", "b"), 0);
}

}  // namespace
