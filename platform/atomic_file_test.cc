#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include "testing/temp_dir.h"

namespace platform {
namespace {

using testing_support::EntriesIn;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

TEST(AtomicFileWriterTest, CommitReplacesTheWholeFile) {
  TempDir dir;
  std::filesystem::path target = dir.path() / "ZARN.ini";
  WriteFile(target, "old content that is longer than the new one");
  Status status;
  auto writer =
      AtomicFileWriter::Open(target.string(), AtomicFileWriter::Permissions::kLikeTarget, &status);
  ASSERT_NE(writer, nullptr) << status.message();
  ASSERT_TRUE(writer->Append("new ").ok());
  ASSERT_TRUE(writer->Append(std::string("\0\x80\xff", 3)).ok());
  EXPECT_EQ(ReadFile(target), "old content that is longer than the new one");
  ASSERT_TRUE(writer->Commit().ok());
  writer.reset();
  EXPECT_EQ(ReadFile(target), std::string("new \0\x80\xff", 7));
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFileWriterTest, AbandonedWriteLeavesTheTargetAndNoTemporaryFile) {
  TempDir dir;
  std::filesystem::path target = dir.path() / "settings.ini";
  WriteFile(target, "[s]\nkey=value\n");
  {
    Status status;
    auto writer =
        AtomicFileWriter::Open(target.string(), AtomicFileWriter::Permissions::kOwnerOnly, &status);
    ASSERT_NE(writer, nullptr);
    ASSERT_TRUE(writer->Append("half a fi").ok());
  }
  EXPECT_EQ(ReadFile(target), "[s]\nkey=value\n");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFileWriterTest, ALeftoverIsRemovedButAFileARunningWriterHoldsIsNot) {
  TempDir dir;
  std::filesystem::path target = dir.path() / "ZARN.ini";
  WriteFile(target, "old");
  // A crashed writer's file, and files of the operator's that only look alike.
  WriteFile(dir.path() / ".ZARN.ini.Ab12Cd.tmp", "half a fi");
  WriteFile(dir.path() / ".ZARN.ini.backup", "mine");
  WriteFile(dir.path() / ".ZARN.ini.Ab12Cd.tmp.old", "mine too");
  Status status;
  auto first =
      AtomicFileWriter::Open(target.string(), AtomicFileWriter::Permissions::kLikeTarget, &status);
  ASSERT_NE(first, nullptr) << status.message();
  EXPECT_FALSE(std::filesystem::exists(dir.path() / ".ZARN.ini.Ab12Cd.tmp"));
  ASSERT_TRUE(first->Append("first").ok());
  auto second =
      AtomicFileWriter::Open(target.string(), AtomicFileWriter::Permissions::kLikeTarget, &status);
  ASSERT_NE(second, nullptr) << status.message();
  ASSERT_TRUE(second->Append("second").ok());
  ASSERT_TRUE(first->Commit().ok()) << "the second writer took the first one's file";
  EXPECT_EQ(ReadFile(target), "first");
  ASSERT_TRUE(second->Commit().ok());
  EXPECT_EQ(ReadFile(target), "second");
  first.reset();
  second.reset();
  EXPECT_EQ(ReadFile(dir.path() / ".ZARN.ini.backup"), "mine");
  EXPECT_EQ(ReadFile(dir.path() / ".ZARN.ini.Ab12Cd.tmp.old"), "mine too");
  EXPECT_EQ(EntriesIn(dir.path()), 3u);
}

TEST(AtomicFileWriterTest, ReportsAFolderThatCannotHoldTheFile) {
  TempDir dir;
  Status status;
  auto writer = AtomicFileWriter::Open((dir.path() / "missing" / "file.ini").string(),
                                       AtomicFileWriter::Permissions::kOwnerOnly, &status);
  EXPECT_EQ(writer, nullptr);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("file.ini"), std::string::npos) << status.message();
}

}  // namespace
}  // namespace platform
