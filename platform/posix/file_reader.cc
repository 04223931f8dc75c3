#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "posix/errno_status.h"

namespace platform {
namespace {

class PosixFileReader final : public FileReader {
 public:
  PosixFileReader(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
  ~PosixFileReader() override { close(fd_); }

  Status Read(std::span<char> buffer, size_t* count) override {
    for (;;) {
      ssize_t got = read(fd_, buffer.data(), buffer.size());
      if (got >= 0) {
        *count = static_cast<size_t>(got);
        return Status::Ok();
      }
      if (errno != EINTR) {
        *count = 0;
        return ErrnoStatus("Cannot read " + path_, errno);
      }
    }
  }

 private:
  std::string path_;
  int fd_;
};

}  // namespace

std::unique_ptr<FileReader> FileReader::Open(const std::string& path, Status* status) {
  // Non-blocking, so that opening a pipe without a writer returns at once.
  int fd = open(ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    *status = ErrnoStatus("Cannot open " + path, errno);
    return nullptr;
  }
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    *status = Status::Error("Cannot read " + path + ": not a regular file");
    return nullptr;
  }
  *status = Status::Ok();
  return std::make_unique<PosixFileReader>(path, fd);
}

}  // namespace platform
