#include "platform/shared_library.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace platform {
namespace {

TEST(SharedLibraryTest, OpensByPathAndFindsExportedSymbols) {
  SharedLibrary library;
  ASSERT_TRUE(library.Open(SAMPLE_LIBRARY_PATH).ok());
  auto* value = static_cast<int*>(library.Symbol("SampleValue"));
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(*value, 42);
  auto twice = reinterpret_cast<int (*)(int)>(library.Symbol("SampleTwice"));
  ASSERT_NE(twice, nullptr);
  EXPECT_EQ(twice(21), 42);
  EXPECT_EQ(library.Symbol("NoSuchSymbol"), nullptr);
}

TEST(SharedLibraryTest, MissingFileIsAnErrorNamingIt) {
  SharedLibrary library;
  const std::string path = std::string(SAMPLE_LIBRARY_PATH) + ".missing";
  Status status = library.Open(path);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(path), std::string::npos) << status.message();
  EXPECT_FALSE(library.is_open());
  EXPECT_EQ(library.Symbol("SampleValue"), nullptr);
}

TEST(SharedLibraryTest, MovingHandsOverTheLibraryAndAssignmentClosesTheOldOne) {
  SharedLibrary first;
  ASSERT_TRUE(first.Open(SAMPLE_LIBRARY_PATH).ok());
  SharedLibrary second(std::move(first));
  EXPECT_FALSE(first.is_open());  // NOLINT(bugprone-use-after-move): moved-from is empty
  EXPECT_NE(second.Symbol("SampleValue"), nullptr);
  SharedLibrary third;
  ASSERT_TRUE(third.Open(SAMPLE_LIBRARY_PATH).ok());
  third = std::move(second);
  EXPECT_TRUE(third.is_open());
  third.Close();
  EXPECT_FALSE(third.is_open());
  EXPECT_EQ(third.Symbol("SampleValue"), nullptr);
}

TEST(SharedLibraryTest, FileNameFollowsThePlatform) {
  const std::string name = SharedLibraryFileName("Core");
  EXPECT_TRUE(name == "Core.dll" || name == "Core.so") << name;
}

}  // namespace
}  // namespace platform
