#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <deque>
#include <vector>

#include "common/ascii.h"
#include "platform/atomic_file.h"
#include "platform/file_reader.h"
#include "platform/files.h"
#include "platform/settings_store.h"
#include "posix/errno_status.h"

namespace platform {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// One INI file as its lines. Lines that are neither a section header nor a
// key=value pair are kept as they are, and every line a write does not change
// keeps its bytes, line end included. A value is everything after the first
// '=', untrimmed, which is what lets blanks, quotes, '=', ';' and '#' round-trip.
// The lines are views of the content, so that a large file costs no copies.
class IniLines {
 public:
  explicit IniLines(std::string content) : content_(std::move(content)) {
    std::string_view rest = content_;
    while (!rest.empty()) {
      size_t newline = rest.find('\n');
      Line line{rest.substr(0, newline), {}};
      if (newline != std::string_view::npos) {
        // A CR before the LF belongs to the line end; any further CR is part of
        // the text, as it was written.
        bool crlf = line.text.ends_with('\r');
        if (crlf) line.text.remove_suffix(1);
        line.end = rest.substr(line.text.size(), crlf ? 2 : 1);
      }
      rest.remove_prefix(line.text.size() + line.end.size());
      lines_.push_back(line);
    }
  }
  IniLines(const IniLines&) = delete;
  IniLines& operator=(const IniLines&) = delete;

  // Index of the line holding the key within the section, or npos. The last
  // such line wins, as a hand-added line would be meant to.
  size_t Find(std::string_view section, std::string_view key) const {
    size_t found = std::string::npos;
    bool in_section = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
      std::string_view name;
      if (IsSection(lines_[i].text, &name)) {
        in_section = EqualsIgnoringCase(name, section);
      } else if (in_section && IsKey(lines_[i].text, key)) {
        found = i;
      }
    }
    return found;
  }

  std::string ValueAt(size_t index) const {
    std::string_view text = lines_[index].text;
    return std::string(text.substr(text.find('=') + 1));
  }

  void Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string_view entry = Own(std::string(key) + "=" + std::string(value));
    size_t existing = Find(section, key);
    if (existing != std::string::npos) {
      lines_[existing].text = entry;
      return;
    }
    size_t insert_at = std::string::npos;
    bool in_section = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
      std::string_view name;
      if (IsSection(lines_[i].text, &name)) {
        in_section = EqualsIgnoringCase(name, section);
        if (in_section) insert_at = i + 1;
      } else if (in_section && !Trim(lines_[i].text).empty()) {
        insert_at = i + 1;
      }
    }
    if (insert_at == std::string::npos) {
      Insert(lines_.size(), Own("[" + std::string(section) + "]"));
      Insert(lines_.size(), entry);
    } else {
      Insert(insert_at, entry);
    }
  }

  std::string Text() const {
    std::string text;
    text.reserve(content_.size() + 1024);
    for (const Line& line : lines_) {
      text += line.text;
      text += line.end;
    }
    return text;
  }

 private:
  struct Line {
    std::string_view text;
    std::string_view end;  // "\n", "\r\n", or empty for a last line without one
  };

  std::string_view Own(std::string text) { return owned_.emplace_back(std::move(text)); }

  // A new line ends as the line before it does; that line gets an end if it
  // was the last one and had none.
  void Insert(size_t at, std::string_view text) {
    std::string_view end = "\n";
    if (at > 0) {
      Line& before = lines_[at - 1];
      if (before.end.empty()) before.end = "\n";
      end = before.end;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{text, end});
  }

  static bool IsSection(std::string_view line, std::string_view* name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    *name = Trim(line.substr(1, line.size() - 2));
    return true;
  }

  static bool IsKey(std::string_view line, std::string_view key) {
    size_t equals = line.find('=');
    return equals != std::string_view::npos &&
           EqualsIgnoringCase(Trim(line.substr(0, equals)), key);
  }

  std::string content_;
  std::deque<std::string>
      owned_;  // the texts a write changed or added; a deque keeps them in place
  std::vector<Line> lines_;
};

std::string ConfigHome() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config";
}

std::string FolderPath(std::string_view application) {
  return ResolvePath(ConfigHome() + "/" + std::string(application));
}

std::string FilePath(std::string_view application) {
  return FolderPath(application) + "/settings.ini";
}

// An absent file reads as empty. One that exists but cannot be read, or holds
// a NUL (no settings text has one: a UTF-16 file, say, read as bytes would show
// no keys), is an error, so that no save ever replaces settings it could not see.
Status Load(const std::string& path, std::string* content) {
  content->clear();
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return Status::Ok();
    return ErrnoStatus("Cannot read the settings file " + path, errno);
  }
  Status status;
  std::unique_ptr<FileReader> reader = FileReader::Open(path, &status);
  if (reader == nullptr) return status;
  std::array<char, 64 * 1024> piece;
  for (;;) {
    size_t count = 0;
    status = reader->Read(piece, &count);
    if (!status.ok()) return status;
    if (count == 0) break;
    content->append(piece.data(), count);
  }
  if (content->find('\0') != std::string::npos) {
    return Status::Error("The settings file " + path +
                         " is not a text file: it holds NUL characters.");
  }
  return Status::Ok();
}

Status CreateFolder(const std::string& folder) {
  for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    std::string prefix = folder.substr(0, end);
    if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
      return ErrnoStatus("Cannot create the settings folder " + prefix, errno);
    }
    if (end == std::string::npos) return Status::Ok();
  }
}

class IniSettingsStore final : public SettingsStore {
 private:
  Status CheckReadableChecked(std::string_view application) const override {
    std::string content;
    return Load(FilePath(application), &content);
  }

  std::string ReadChecked(std::string_view application, std::string_view section,
                          std::string_view key, std::string_view default_value) const override {
    std::string content;
    if (!Load(FilePath(application), &content).ok()) return std::string(default_value);
    IniLines ini(std::move(content));
    size_t line = ini.Find(section, key);
    return line == std::string::npos ? std::string(default_value) : ini.ValueAt(line);
  }

  Status WriteAllChecked(std::string_view application, std::span<const Entry> entries) override {
    std::string path = FilePath(application);
    std::string content;
    Status status = Load(path, &content);
    if (!status.ok()) return status;
    IniLines ini(std::move(content));
    for (const Entry& entry : entries) ini.Set(entry.section, entry.key, entry.value);

    auto writer = AtomicFileWriter::Open(path, AtomicFileWriter::Permissions::kOwnerOnly, &status);
    if (writer == nullptr) return status;
    status = writer->Append(ini.Text());
    if (!status.ok()) return status;
    return writer->Commit();
  }

  // The settings folder itself is what is locked, so the lock leaves no file.
  class FolderLock final : public SystemLock {
   public:
    explicit FolderLock(int fd) : fd_(fd) {}
    ~FolderLock() override { close(fd_); }

   private:
    int fd_;
  };

  std::unique_ptr<SystemLock> TryLockChecked(std::string_view application,
                                             Status* status) override {
    std::string folder = FolderPath(application);
    *status = CreateFolder(folder);
    if (!status->ok()) return nullptr;
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
      *status = ErrnoStatus("Cannot open the settings folder " + folder, errno);
      return nullptr;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return std::make_unique<FolderLock>(fd);
    int error = errno;
    close(fd);
    if (error != EWOULDBLOCK && error != EINTR) {
      *status = ErrnoStatus("Cannot lock the settings folder " + folder, error);
    }
    return nullptr;
  }
};

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::ForCurrentUser() {
  return std::make_unique<IniSettingsStore>();
}

}  // namespace platform
