#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/temp_name.h"
#include "posix/atomic_file_posix.h"
#include "posix/errno_status.h"

namespace platform {
namespace {

constexpr off_t kStartWritingEvery = 8 << 20;

// A leftover is a file of the pattern that no writer holds: each writer keeps
// an exclusive flock on its file until the file has replaced its target or is
// gone, and the system drops it when the writer dies.
void RemoveLeftovers(const std::string& folder, const std::string& target_name) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  while (dirent* entry = readdir(dir)) {
    if (!IsTempNameFor(entry->d_name, target_name, false)) continue;
    std::string path = folder + "/" + entry->d_name;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat held, named;
    // The name must still be the file locked: a writer may have just renamed it.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino) {
      unlink(path.c_str());
    }
    close(fd);
  }
  closedir(dir);
}

// An unnamed file in `folder`, or -1 with errno set. EOPNOTSUPP, EISDIR or
// EINVAL say that the file system or the kernel has none.
int OpenUnnamed(const std::string& folder) {
  return open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
}

bool UnnamedUnsupported(int error) {
  return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// A new file of the pattern in `folder`, locked; -1 with errno set on failure.
int OpenNamed(const std::string& folder, const std::string& target_name, std::string* name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = NewTempName(target_name);
    std::string path = folder + "/" + *name;
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    // Between the open and the lock another writer may take the new file for a
    // leftover and remove it; then it is still locked by that writer or no
    // longer linked, and a fresh name is tried.
    struct stat info;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &info) == 0 && info.st_nlink > 0) return fd;
    close(fd);
  }
  errno = EEXIST;
  return -1;
}

class PosixAtomicFileWriter final : public AtomicFileWriter {
 public:
  // `temp_name` is empty for an unnamed file.
  PosixAtomicFileWriter(std::string path, std::string folder, std::string target_name,
                        std::string temp_name, int fd)
      : path_(std::move(path)),
        folder_(std::move(folder)),
        target_name_(std::move(target_name)),
        temp_name_(std::move(temp_name)),
        fd_(fd) {}

  ~PosixAtomicFileWriter() override {
    if (!committed_ && !temp_name_.empty()) unlink(TempPath().c_str());
    if (fd_ >= 0) close(fd_);
  }

  Status Append(std::string_view data) override {
    while (!data.empty()) {
      ssize_t written = write(fd_, data.data(), data.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        return ErrnoStatus("Cannot write " + path_, errno);
      }
      data.remove_prefix(static_cast<size_t>(written));
      written_ += static_cast<off_t>(written);
    }
    // The disk starts on what is written while the rest is still coming, so
    // that the flush of the commit waits only for the last of it.
    if (written_ - started_ >= kStartWritingEvery) {
      sync_file_range(fd_, started_, written_ - started_, SYNC_FILE_RANGE_WRITE);
      started_ = written_;
    }
    return Status::Ok();
  }

  Status Commit() override {
    if (fsync(fd_) != 0) return ErrnoStatus("Cannot write " + path_, errno);
    if (temp_name_.empty()) {
      Status linked = LinkUnnamed();
      if (!linked.ok()) return linked;
    }
    if (rename(TempPath().c_str(), path_.c_str()) != 0) {
      return ErrnoStatus("Cannot replace " + path_, errno);
    }
    committed_ = true;
    close(fd_);
    fd_ = -1;
    // The rename itself reaches the disk with its folder.
    int dir_fd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd >= 0) {
      fsync(dir_fd);
      close(dir_fd);
    }
    return Status::Ok();
  }

 private:
  std::string TempPath() const { return folder_ + "/" + temp_name_; }

  // Gives the unnamed file a name of the pattern beside the target: Linux can
  // link it in but not over an existing file, which the rename then replaces.
  // A crash between the two leaves that name, complete, for the next writer.
  Status LinkUnnamed() {
    std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = NewTempName(target_name_);
      std::string path = folder_ + "/" + name;
      int linked = linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
      // Without /proc, a privileged writer can still link by descriptor.
      if (linked != 0 && errno == ENOENT)
        linked = linkat(fd_, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH);
      if (linked == 0) {
        temp_name_ = name;
        return Status::Ok();
      }
      if (errno != EEXIST) break;
    }
    return ErrnoStatus("Cannot create a file beside " + path_, errno);
  }

  std::string path_;
  std::string folder_;
  std::string target_name_;
  std::string temp_name_;
  int fd_;
  bool committed_ = false;
  off_t written_ = 0;
  off_t started_ = 0;  // bytes handed to the disk so far
};

}  // namespace

std::unique_ptr<AtomicFileWriter> OpenAtomicFileWriter(const std::string& path,
                                                       AtomicFileWriter::Permissions permissions,
                                                       TempFileKind kind, Status* status) {
  size_t slash = path.rfind('/');
  std::string target_name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  if (folder.empty()) folder = "/";
  RemoveLeftovers(folder, target_name);

  std::string temp_name;
  int fd = -1;
  if (kind == TempFileKind::kUnnamedWhereSupported) {
    fd = OpenUnnamed(folder);
    // Nobody else can reach an unnamed file before it is linked in, so the
    // lock is granted at once.
    if (fd >= 0) flock(fd, LOCK_EX | LOCK_NB);
  }
  if (fd < 0 && (kind == TempFileKind::kNamed || UnnamedUnsupported(errno))) {
    fd = OpenNamed(folder, target_name, &temp_name);
  }
  if (fd < 0) {
    *status = ErrnoStatus("Cannot create a file beside " + path, errno);
    return nullptr;
  }
  if (permissions == AtomicFileWriter::Permissions::kLikeTarget) {
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
  return std::make_unique<PosixAtomicFileWriter>(path, folder, target_name, temp_name, fd);
}

std::unique_ptr<AtomicFileWriter> AtomicFileWriter::Open(const std::string& path,
                                                         Permissions permissions, Status* status) {
  return OpenAtomicFileWriter(path, permissions, TempFileKind::kUnnamedWhereSupported, status);
}

}  // namespace platform
