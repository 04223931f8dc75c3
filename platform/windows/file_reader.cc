#include "platform/file_reader.h"

#include <windows.h>

#include "windows/win_status.h"

namespace platform {
namespace {

class WindowsFileReader final : public FileReader {
 public:
  WindowsFileReader(std::string path, HANDLE file) : path_(std::move(path)), file_(file) {}
  ~WindowsFileReader() override { CloseHandle(file_); }

  Status Read(std::span<char> buffer, size_t* count) override {
    DWORD chunk = buffer.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(buffer.size());
    DWORD got = 0;
    if (!ReadFile(file_, buffer.data(), chunk, &got, nullptr)) {
      *count = 0;
      return WindowsErrorStatus("Cannot read " + path_, GetLastError());
    }
    *count = got;
    return Status::Ok();
  }

 private:
  std::string path_;
  HANDLE file_;
};

}  // namespace

std::unique_ptr<FileReader> FileReader::Open(const std::string& path, Status* status) {
  // Others may read along, but nobody may change the file while it is read.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *status = WindowsErrorStatus("Cannot open " + path, GetLastError());
    return nullptr;
  }
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    *status = Status::Error("Cannot read " + path + ": not a regular file");
    return nullptr;
  }
  *status = Status::Ok();
  return std::make_unique<WindowsFileReader>(path, file);
}

}  // namespace platform
