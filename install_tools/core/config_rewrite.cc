#include "core/config_rewrite.h"

#include <algorithm>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/file_reader.h"
#include "platform/files.h"

namespace install_tools {
namespace {

constexpr std::string_view kDownloadsOff = "AllowDownloads=False";
constexpr std::string_view kDownloadsOn = "AllowDownloads=True";
constexpr size_t kPieceSize = 64 * 1024;

}  // namespace

void ConfigRewriter::Feed(std::string_view piece, std::string* out) {
  size_t i = 0;
  if (after_cr_ && !piece.empty()) {
    after_cr_ = false;
    if (piece.front() == '\n') i = 1;
  }
  while (i < piece.size()) {
    size_t cr = std::min(piece.find('\r', i), piece.size());
    if (cr > i) {
      pending_.append(piece.substr(i, cr - i));
      ends_in_terminator_ = false;
    }
    if (cr == piece.size()) break;
    pending_ += "\r\n";
    ends_in_terminator_ = true;
    i = cr + 1;
    if (i == piece.size()) {
      after_cr_ = true;
    } else if (piece[i] == '\n') {
      ++i;
    }
  }
  Drain(false, out);
}

void ConfigRewriter::Finish(std::string* out) {
  if (!ends_in_terminator_) pending_ += "\r\n";
  Drain(true, out);
}

void ConfigRewriter::Drain(bool final, std::string* out) {
  size_t done = 0;
  for (size_t match = pending_.find(kDownloadsOff); match != std::string::npos;
       match = pending_.find(kDownloadsOff, done)) {
    out->append(pending_, done, match - done);
    *out += kDownloadsOn;
    done = match + kDownloadsOff.size();
  }
  size_t keep = final ? 0 : std::min(kDownloadsOff.size() - 1, pending_.size() - done);
  out->append(pending_, done, pending_.size() - done - keep);
  pending_.erase(0, pending_.size() - keep);
}

platform::Status RewriteConfigFile(const std::string& path) {
  std::string target = platform::ResolvePath(path);
  if (!platform::FileWritable(target)) {
    return platform::Status::Error("Cannot rewrite " + path + ": missing or read-only");
  }
  platform::Status status;
  auto reader = platform::FileReader::Open(target, &status);
  if (reader == nullptr) return status;
  auto writer = platform::AtomicFileWriter::Open(
      target, platform::AtomicFileWriter::Permissions::kLikeTarget, &status);
  if (writer == nullptr) return status;

  ConfigRewriter rewriter;
  std::vector<char> piece(kPieceSize);
  std::string out;
  for (;;) {
    size_t count = 0;
    status = reader->Read(piece, &count);
    if (!status.ok()) return status;
    if (count == 0) break;
    rewriter.Feed(std::string_view(piece.data(), count), &out);
    status = writer->Append(out);
    if (!status.ok()) return status;
    out.clear();
  }
  rewriter.Finish(&out);
  status = writer->Append(out);
  if (!status.ok()) return status;
  // Windows cannot replace a file that is still open for reading.
  reader.reset();
  return writer->Commit();
}

}  // namespace install_tools
