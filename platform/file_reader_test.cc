#include "platform/file_reader.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/temp_dir.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace platform {
namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

std::string ReadAll(FileReader& reader, size_t piece) {
  std::string content;
  std::vector<char> buffer(piece);
  for (;;) {
    size_t count = 0;
    EXPECT_TRUE(reader.Read(buffer, &count).ok());
    if (count == 0) return content;
    content.append(buffer.data(), count);
  }
}

TEST(FileReaderTest, ReadsTheWholeFileInPiecesWhateverTheCaseOfItsName) {
  TempDir game;
  std::string bytes = std::string("[Engine]\r\n\0\x80\xff\n", 14) + std::string(5000, 'x');
  WriteFile(game.path() / "System" / "ZARN.ini", bytes);
  Status status;
  auto reader = FileReader::Open(game.str() + NativeRelativePath("\\SYSTEM\\ZARN.INI"), &status);
  ASSERT_NE(reader, nullptr) << status.message();
  EXPECT_EQ(ReadAll(*reader, 7), bytes);
}

TEST(FileReaderTest, RefusesWhatIsNotARegularFileWithoutWaiting) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "folder.ini");
  std::vector<std::string> refused = {dir.str() + "/folder.ini", dir.str() + "/missing.ini"};
#ifndef _WIN32
  // Opening a pipe without a writer would wait forever.
  ASSERT_EQ(mkfifo((dir.path() / "pipe.ini").c_str(), 0644), 0);
  refused.push_back(dir.str() + "/pipe.ini");
#endif
  for (const std::string& path : refused) {
    Status status;
    EXPECT_EQ(FileReader::Open(path, &status), nullptr) << path;
    EXPECT_NE(status.message().find(path), std::string::npos) << status.message();
  }
}

}  // namespace
}  // namespace platform
