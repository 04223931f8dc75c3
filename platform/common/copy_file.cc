#include <array>

#include "platform/atomic_file.h"
#include "platform/file_reader.h"
#include "platform/files.h"

namespace platform {

Status CopyFileReplacing(const std::string& from, const std::string& to) {
  std::string target = ResolvePath(to);
  if (FileExist(target) && !FileWritable(target)) {
    return Status::Error("Cannot replace " + to + ": it is read-only");
  }
  Status status;
  auto reader = FileReader::Open(from, &status);
  if (reader == nullptr) return status;
  auto writer = AtomicFileWriter::Open(target, AtomicFileWriter::Permissions::kLikeTarget, &status);
  if (writer == nullptr) return status;
  std::array<char, 64 * 1024> buffer;
  for (;;) {
    size_t count = 0;
    status = reader->Read(buffer, &count);
    if (!status.ok()) return status;
    if (count == 0) return writer->Commit();
    status = writer->Append(std::string_view(buffer.data(), count));
    if (!status.ok()) return status;
  }
}

}  // namespace platform
