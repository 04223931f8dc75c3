#include "platform/atomic_file.h"

#include <windows.h>

#include <atomic>

#include "windows/win_status.h"

namespace platform {
namespace {

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
    if (!FlushFileBuffers(file_))
      return WindowsErrorStatus("Cannot write " + path_, GetLastError());
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!MoveFileExA(temp_path_.c_str(), path_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return WindowsErrorStatus("Cannot replace " + path_, GetLastError());
    }
    committed_ = true;
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
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = path + "." + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(counter++) + ".tmp";
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
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
