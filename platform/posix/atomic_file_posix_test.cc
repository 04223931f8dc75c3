// The two ways the POSIX writer keeps new content: an unnamed file, which shows
// nowhere until the commit, and the named file of file systems without them,
// which another writer must leave alone while its writer holds it.
#include <gtest/gtest.h>

#include "posix/atomic_file_posix.h"
#include "testing/temp_dir.h"

namespace platform {
namespace {

using testing_support::EntriesIn;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

std::unique_ptr<AtomicFileWriter> Open(const std::filesystem::path& target, TempFileKind kind) {
  Status status;
  auto writer = OpenAtomicFileWriter(target.string(), AtomicFileWriter::Permissions::kOwnerOnly,
                                     kind, &status);
  EXPECT_NE(writer, nullptr) << status.message();
  return writer;
}

TEST(PosixAtomicFileWriterTest, AnUnnamedFileShowsNowhereBeforeTheCommit) {
  TempDir dir;
  std::filesystem::path target = dir.path() / "settings.ini";
  WriteFile(target, "old");
  auto writer = Open(target, TempFileKind::kUnnamedWhereSupported);
  ASSERT_NE(writer, nullptr);
  ASSERT_TRUE(writer->Append("new").ok());
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
  ASSERT_TRUE(writer->Commit().ok());
  EXPECT_EQ(ReadFile(target), "new");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(PosixAtomicFileWriterTest, ANamedFileIsLeftAloneWhileItsWriterHoldsIt) {
  TempDir dir;
  std::filesystem::path target = dir.path() / "settings.ini";
  WriteFile(target, "old");
  auto first = Open(target, TempFileKind::kNamed);
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(first->Append("first").ok());
  EXPECT_EQ(EntriesIn(dir.path()), 2u);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "settings.ini" ||
                (name.starts_with(".settings.ini.") && name.ends_with(".tmp")))
        << name;
  }
  auto second = Open(target, TempFileKind::kNamed);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(EntriesIn(dir.path()), 3u);
  ASSERT_TRUE(first->Commit().ok());
  EXPECT_EQ(ReadFile(target), "first");
  second.reset();  // abandoned: its file goes with it
  EXPECT_EQ(ReadFile(target), "first");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

}  // namespace
}  // namespace platform
