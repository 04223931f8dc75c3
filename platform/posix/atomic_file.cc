#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "posix/errno_status.h"

namespace platform {
namespace {

class PosixAtomicFileWriter final : public AtomicFileWriter {
 public:
  PosixAtomicFileWriter(std::string path, std::string temp_path, int fd)
      : path_(std::move(path)), temp_path_(std::move(temp_path)), fd_(fd) {}

  ~PosixAtomicFileWriter() override {
    if (fd_ >= 0) close(fd_);
    if (!committed_) unlink(temp_path_.c_str());
  }

  Status Append(std::string_view data) override {
    while (!data.empty()) {
      ssize_t written = write(fd_, data.data(), data.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        return ErrnoStatus("Cannot write " + path_, errno);
      }
      data.remove_prefix(static_cast<size_t>(written));
    }
    return Status::Ok();
  }

  Status Commit() override {
    if (fsync(fd_) != 0) return ErrnoStatus("Cannot write " + path_, errno);
    int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) return ErrnoStatus("Cannot write " + path_, errno);
    if (rename(temp_path_.c_str(), path_.c_str()) != 0) {
      return ErrnoStatus("Cannot replace " + path_, errno);
    }
    committed_ = true;
    // The rename itself reaches the disk with its folder.
    std::string folder = path_.substr(0, path_.rfind('/') + 1);
    int dir_fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir_fd >= 0) {
      fsync(dir_fd);
      close(dir_fd);
    }
    return Status::Ok();
  }

 private:
  std::string path_;
  std::string temp_path_;
  int fd_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<AtomicFileWriter> AtomicFileWriter::Open(const std::string& path,
                                                         Permissions permissions, Status* status) {
  size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string pattern = folder + "." + name + ".XXXXXX";
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  int fd = mkostemp(temp.data(), O_CLOEXEC);  // mode 0600
  if (fd < 0) {
    *status = ErrnoStatus("Cannot create a file beside " + path, errno);
    return nullptr;
  }
  if (permissions == Permissions::kLikeTarget) {
    struct stat target;
    mode_t mode;
    if (stat(path.c_str(), &target) == 0) {
      mode = target.st_mode & 07777;
    } else {
      mode_t mask = umask(0);
      umask(mask);
      mode = 0666 & ~mask;
    }
    fchmod(fd, mode);
  }
  *status = Status::Ok();
  return std::make_unique<PosixAtomicFileWriter>(path, std::string(temp.data()), fd);
}

}  // namespace platform
