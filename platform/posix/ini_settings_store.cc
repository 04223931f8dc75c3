#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/ascii.h"
#include "platform/atomic_file.h"
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
// key=value pair are kept as they are, so a hand-edited file loses nothing.
// A value is everything after the first '=', untrimmed, which is what lets
// blanks, quotes, '=', ';' and '#' round-trip.
class IniLines {
 public:
  explicit IniLines(const std::string& content) {
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(line);
    }
  }

  // Index of the line holding the key within the section, or npos. The last
  // such line wins, as a hand-added line would be meant to.
  size_t Find(std::string_view section, std::string_view key) const {
    size_t found = std::string::npos;
    bool in_section = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
      std::string_view name;
      if (IsSection(lines_[i], &name)) {
        in_section = EqualsIgnoringCase(name, section);
      } else if (in_section && IsKey(lines_[i], key)) {
        found = i;
      }
    }
    return found;
  }

  std::string ValueAt(size_t index) const {
    const std::string& line = lines_[index];
    return line.substr(line.find('=') + 1);
  }

  void Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string entry = std::string(key) + "=" + std::string(value);
    size_t existing = Find(section, key);
    if (existing != std::string::npos) {
      lines_[existing] = entry;
      return;
    }
    size_t insert_at = std::string::npos;
    bool in_section = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
      std::string_view name;
      if (IsSection(lines_[i], &name)) {
        in_section = EqualsIgnoringCase(name, section);
        if (in_section) insert_at = i + 1;
      } else if (in_section && !Trim(lines_[i]).empty()) {
        insert_at = i + 1;
      }
    }
    if (insert_at == std::string::npos) {
      lines_.push_back("[" + std::string(section) + "]");
      lines_.push_back(entry);
    } else {
      lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at), entry);
    }
  }

  std::string Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return text;
  }

 private:
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

  std::vector<std::string> lines_;
};

std::string ConfigHome() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config";
}

class IniSettingsStore final : public SettingsStore {
 public:
  std::string Read(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view default_value) const override {
    std::string content;
    if (!Load(FilePath(application), &content).ok()) return std::string(default_value);
    IniLines ini(content);
    size_t line = ini.Find(section, key);
    return line == std::string::npos ? std::string(default_value) : ini.ValueAt(line);
  }

 private:
  static std::string FilePath(std::string_view application) {
    return ResolvePath(ConfigHome() + "/" + std::string(application)) + "/settings.ini";
  }

  // An absent file reads as empty; one that exists but cannot be read is an
  // error, so that a write never replaces settings it could not see.
  static Status Load(const std::string& path, std::string* content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      struct stat info;
      if (stat(path.c_str(), &info) != 0 && errno == ENOENT) return Status::Ok();
      return Status::Error("Cannot read the settings file " + path + ".");
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return Status::Error("Cannot read the settings file " + path + ".");
    *content = text.str();
    return Status::Ok();
  }

  Status WriteChecked(std::string_view application, std::string_view section, std::string_view key,
                      std::string_view value) override {
    std::string path = FilePath(application);
    std::string folder = path.substr(0, path.rfind('/'));
    for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
      std::string prefix = folder.substr(0, end);
      if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
        return ErrnoStatus("Cannot create the settings folder " + prefix, errno);
      }
      if (end == std::string::npos) break;
    }
    std::string content;
    Status status = Load(path, &content);
    if (!status.ok()) return status;
    IniLines ini(content);
    ini.Set(section, key, value);

    auto writer = AtomicFileWriter::Open(path, AtomicFileWriter::Permissions::kOwnerOnly, &status);
    if (writer == nullptr) return status;
    status = writer->Append(ini.Text());
    if (!status.ok()) return status;
    return writer->Commit();
  }
};

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::ForCurrentUser() {
  return std::make_unique<IniSettingsStore>();
}

}  // namespace platform
