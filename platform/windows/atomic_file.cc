#include "platform/atomic_file.h"

#include <windows.h>

#include <cstddef>
#include <vector>

#include "common/temp_name.h"
#include "windows/win_status.h"

namespace platform {
namespace {

// A running writer holds its file open without sharing, so deleting it fails;
// what can be deleted is a crashed writer's leftover.
void RemoveLeftovers(const std::string& folder, const std::string& target_name) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\." + target_name + ".*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        IsTempNameFor(found.cFileName, target_name, true)) {
      DeleteFileA((folder + "\\" + found.cFileName).c_str());
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

class WindowsAtomicFileWriter final : public AtomicFileWriter {
 public:
  WindowsAtomicFileWriter(std::string path, std::string temp_path, HANDLE file)
      : path_(std::move(path)), temp_path_(std::move(temp_path)), file_(file) {}

  ~WindowsAtomicFileWriter() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!committed_) DeleteFileA(temp_path_.c_str());
  }

  Status Append(std::string_view data) override {
    while (!data.empty()) {
      DWORD chunk = data.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(data.size());
      DWORD written = 0;
      if (!WriteFile(file_, data.data(), chunk, &written, nullptr)) {
        return WindowsErrorStatus("Cannot write " + path_, GetLastError());
      }
      data.remove_prefix(written);
    }
    return Status::Ok();
  }

  Status Commit() override {
    if (!FlushFileBuffers(file_)) {
      return WindowsErrorStatus("Cannot write " + path_, GetLastError());
    }
    // Renamed through the handle, still held, so that no other writer can take
    // it for a leftover between its last write and the rename.
    int length =
        MultiByteToWideChar(CP_ACP, 0, path_.data(), static_cast<int>(path_.size()), nullptr, 0);
    std::vector<std::byte> buffer(offsetof(FILE_RENAME_INFO, FileName) +
                                  (static_cast<size_t>(length) + 1) * sizeof(WCHAR));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(length) * sizeof(WCHAR);
    MultiByteToWideChar(CP_ACP, 0, path_.data(), static_cast<int>(path_.size()), rename->FileName,
                        length);
    rename->FileName[length] = L'\0';
    if (!SetFileInformationByHandle(file_, FileRenameInfo, rename,
                                    static_cast<DWORD>(buffer.size()))) {
      return WindowsErrorStatus("Cannot replace " + path_, GetLastError());
    }
    committed_ = true;
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    return Status::Ok();
  }

 private:
  std::string path_;
  std::string temp_path_;
  HANDLE file_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<AtomicFileWriter> AtomicFileWriter::Open(const std::string& path, Permissions,
                                                         Status* status) {
  size_t separator = path.find_last_of("\\/");
  std::string folder = separator == std::string::npos ? "." : path.substr(0, separator);
  std::string target_name = separator == std::string::npos ? path : path.substr(separator + 1);
  RemoveLeftovers(folder, target_name);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = folder + "\\" + NewTempName(target_name);
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      *status = Status::Ok();
      return std::make_unique<WindowsAtomicFileWriter>(path, temp, file);
    }
    if (GetLastError() != ERROR_FILE_EXISTS) break;
  }
  *status = WindowsErrorStatus("Cannot create a file beside " + path, GetLastError());
  return nullptr;
}

}  // namespace platform
