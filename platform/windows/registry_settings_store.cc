#include <shlobj.h>
#include <windows.h>

#include <vector>

#include "common/ascii.h"
#include "platform/settings_store.h"
#include "windows/win_status.h"

namespace platform {
namespace {

std::string ApplicationKeyPath(std::string_view application) {
  return "Software\\VB and VBA Program Settings\\" + std::string(application);
}

std::string KeyPath(std::string_view application, std::string_view section) {
  return ApplicationKeyPath(application) + "\\" + std::string(section);
}

bool IsString(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// Closes the key it holds.
class Key {
 public:
  Key() = default;
  ~Key() {
    if (handle_ != nullptr) RegCloseKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  LONG Open(const std::string& path, REGSAM access) {
    return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &handle_);
  }
  LONG Create(const std::string& path, REGSAM access) {
    return RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, access, nullptr,
                           &handle_, nullptr);
  }
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

// Every value of a section must be a string; one that is not cannot be read,
// and a save would replace it.
Status CheckSection(std::string_view application, const std::string& section) {
  Key key;
  LONG result = key.Open(KeyPath(application, section), KEY_QUERY_VALUE);
  if (result != ERROR_SUCCESS) {
    return WindowsErrorStatus("Cannot read the settings " + KeyPath(application, section),
                              static_cast<DWORD>(result));
  }
  for (DWORD index = 0;; ++index) {
    char name[16384];
    DWORD length = sizeof(name);
    DWORD type = 0;
    result = RegEnumValueA(key.get(), index, name, &length, nullptr, &type, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return Status::Ok();
    if (result != ERROR_SUCCESS) {
      return WindowsErrorStatus("Cannot read the settings " + KeyPath(application, section),
                                static_cast<DWORD>(result));
    }
    if (!IsString(type)) {
      return Status::Error("The setting " + std::string(name) + " in " +
                           KeyPath(application, section) + " is not text (registry type " +
                           std::to_string(type) + ").");
    }
  }
}

class RegistrySettingsStore final : public SettingsStore {
 private:
  Status CheckReadableChecked(std::string_view application) const override {
    Key key;
    LONG result = key.Open(ApplicationKeyPath(application), KEY_ENUMERATE_SUB_KEYS);
    if (result == ERROR_FILE_NOT_FOUND) return Status::Ok();
    if (result != ERROR_SUCCESS) {
      return WindowsErrorStatus("Cannot read the settings " + ApplicationKeyPath(application),
                                static_cast<DWORD>(result));
    }
    for (DWORD index = 0;; ++index) {
      char section[256];
      DWORD length = sizeof(section);
      result =
          RegEnumKeyExA(key.get(), index, section, &length, nullptr, nullptr, nullptr, nullptr);
      if (result == ERROR_NO_MORE_ITEMS) return Status::Ok();
      if (result != ERROR_SUCCESS) {
        return WindowsErrorStatus("Cannot read the settings " + ApplicationKeyPath(application),
                                  static_cast<DWORD>(result));
      }
      Status status = CheckSection(application, section);
      if (!status.ok()) return status;
    }
  }

  std::string ReadChecked(std::string_view application, std::string_view section,
                          std::string_view key_name,
                          std::string_view default_value) const override {
    Key key;
    if (key.Open(KeyPath(application, section), KEY_QUERY_VALUE) != ERROR_SUCCESS) {
      return std::string(default_value);
    }
    std::string name(key_name);
    std::string value;
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
      value.resize(size);
      result = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(value.data()), &size);
      if (result == ERROR_SUCCESS) break;
    }
    if (result != ERROR_SUCCESS || !IsString(type)) return std::string(default_value);
    value.resize(size);
    if (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
  }

  // The registry writes each value whole but has no replace of several at
  // once (its transactions are deprecated and Wine lacks them): the values are
  // written in one run under one open key per section and flushed together.
  Status WriteAllChecked(std::string_view application, std::span<const Entry> entries) override {
    Status readable = CheckReadableChecked(application);
    if (!readable.ok()) return readable;
    for (size_t first = 0; first < entries.size();) {
      size_t end = first + 1;
      while (end < entries.size() &&
             EqualsIgnoringCase(entries[end].section, entries[first].section)) {
        ++end;
      }
      Key key;
      LONG result = key.Create(KeyPath(application, entries[first].section), KEY_SET_VALUE);
      if (result != ERROR_SUCCESS) {
        return WindowsErrorStatus("Cannot open the settings of " + std::string(application),
                                  static_cast<DWORD>(result));
      }
      for (size_t i = first; i < end; ++i) {
        std::string data(entries[i].value);
        result = RegSetValueExA(key.get(), std::string(entries[i].key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(data.c_str()),
                                static_cast<DWORD>(data.size() + 1));
        if (result != ERROR_SUCCESS) {
          return WindowsErrorStatus("Cannot store " + std::string(entries[i].key),
                                    static_cast<DWORD>(result));
        }
      }
      result = RegFlushKey(key.get());
      if (result != ERROR_SUCCESS) {
        return WindowsErrorStatus("Cannot store the settings of " + std::string(application),
                                  static_cast<DWORD>(result));
      }
      first = end;
    }
    return Status::Ok();
  }

  // The registry has no lock of its own: a file in the user's local
  // application data, <LocalAppData>\<application>\settings.lock, stands for it.
  class FileLock final : public SystemLock {
   public:
    explicit FileLock(HANDLE file) : file_(file) {}
    ~FileLock() override { CloseHandle(file_); }

   private:
    HANDLE file_;
  };

  std::unique_ptr<SystemLock> TryLockChecked(std::string_view application,
                                             Status* status) override {
    char local[MAX_PATH];
    HRESULT found =
        SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, local);
    if (FAILED(found)) {
      *status = Status::Error(
          "Cannot find the local application data folder to lock the "
          "settings of " +
          std::string(application) + ".");
      return nullptr;
    }
    std::string folder = std::string(local) + "\\" + std::string(application);
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      *status = WindowsErrorStatus("Cannot create " + folder, GetLastError());
      return nullptr;
    }
    std::string path = folder + "\\settings.lock";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      *status = WindowsErrorStatus("Cannot open " + path, GetLastError());
      return nullptr;
    }
    OVERLAPPED whole = {};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
      *status = Status::Ok();
      return std::make_unique<FileLock>(file);
    }
    DWORD error = GetLastError();
    CloseHandle(file);
    *status = error == ERROR_LOCK_VIOLATION ? Status::Ok()
                                            : WindowsErrorStatus("Cannot lock " + path, error);
    return nullptr;
  }
};

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::ForCurrentUser() {
  return std::make_unique<RegistrySettingsStore>();
}

}  // namespace platform
