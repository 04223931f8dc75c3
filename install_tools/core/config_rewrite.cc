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
// Read in small pieces that stay in the processor's cache, written in large
// ones that cost the system fewer calls.
constexpr size_t kPieceSize = 64 * 1024;
constexpr size_t kWriteSize = 1024 * 1024;
constexpr size_t kBlock = 256;

// Whether the block holds a CR that no LF follows. Written so that the
// compiler turns it into vector instructions: most text has no such CR, and
// only a block that has one is searched byte by byte.
// REQUIRES: block[kBlock] can be read.
bool HasLoneCr(const char* block) {
  const auto* text = reinterpret_cast<const unsigned char*>(block);
  unsigned char lone = 0;
  for (size_t i = 0; i < kBlock; ++i) {
    lone = static_cast<unsigned char>(lone | ((text[i] == '\r') & (text[i + 1] != '\n')));
  }
  return lone != 0;
}

// The first CR at or after `from` that no LF follows within the piece (one at
// its very end included), or npos.
size_t FindLoneCr(std::string_view piece, size_t from) {
  const char* text = piece.data();
  size_t last = piece.size() - 1;  // the one byte without a next byte here
  size_t at = from;
  while (at + kBlock <= last && !HasLoneCr(text + at)) at += kBlock;
  for (; at < last; ++at) {
    if (text[at] == '\r' && text[at + 1] != '\n') return at;
  }
  return at == last && text[last] == '\r' ? last : std::string_view::npos;
}

}  // namespace

void ConfigRewriter::Feed(std::string_view piece, std::string* out) {
  if (at_start_) {
    *out += "\r\n";
    at_start_ = false;
  }
  if (after_cr_ && !piece.empty()) {
    after_cr_ = false;
    if (piece.front() == '\n') piece.remove_prefix(1);
  }
  if (piece.empty()) return;
  // A CR LF pair and a lone LF pass as they are; a lone CR gets its LF, and one
  // at the end of the piece waits to see whether the next piece brings it.
  bool ends_in_lone_cr = false;
  for (size_t i = 0; i < piece.size();) {
    size_t cr = FindLoneCr(piece, i);
    size_t end = cr == std::string_view::npos ? piece.size() : cr + 1;
    Replace(piece.substr(i, end - i), out);
    if (cr == std::string_view::npos) break;
    *out += '\n';
    ends_in_lone_cr = after_cr_ = end == piece.size();
    i = end;
  }
  ends_in_terminator_ = ends_in_lone_cr || piece.ends_with("\r\n");
}

void ConfigRewriter::Finish(std::string* out) {
  if (at_start_) *out += "\r\n";
  *out += begun_;
  if (!ends_in_terminator_) *out += "\r\n";
}

// A match can begin only at the pattern's one capital A, so at most one match
// is ever unfinished at the end of a piece, and it is what begun_ holds.
static_assert(kDownloadsOff.find('A', 1) == std::string_view::npos);

void ConfigRewriter::Replace(std::string_view text, std::string* out) {
  if (!begun_.empty()) {
    size_t missing = kDownloadsOff.size() - begun_.size();
    std::string_view more = text.substr(0, missing);
    if (kDownloadsOff.substr(begun_.size(), more.size()) == more) {
      if (more.size() < missing) {
        begun_ += more;
        return;
      }
      *out += kDownloadsOn;
      text.remove_prefix(missing);
    } else {
      *out += begun_;
    }
    begun_.clear();
  }
  size_t done = 0;
  for (size_t match = text.find(kDownloadsOff); match != std::string_view::npos;
       match = text.find(kDownloadsOff, done)) {
    out->append(text.substr(done, match - done));
    *out += kDownloadsOn;
    done = match + kDownloadsOff.size();
  }
  // The end of the text may begin a match that the next text finishes.
  size_t tail = std::max(done, text.size() - std::min(text.size(), kDownloadsOff.size() - 1));
  size_t begin = text.substr(tail).rfind('A');
  begin = begin == std::string_view::npos ? text.size() : tail + begin;
  if (kDownloadsOff.starts_with(text.substr(begin))) {
    begun_ = text.substr(begin);
  } else {
    begin = text.size();
  }
  out->append(text.substr(done, begin - done));
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
  // The system copies into a buffer that starts on a page several times faster.
  struct alignas(4096) Page {
    char bytes[4096];
  };
  std::vector<Page> pages(kPieceSize / sizeof(Page));
  std::span<char> piece(pages.front().bytes, kPieceSize);
  std::string out;
  for (;;) {
    size_t count = 0;
    status = reader->Read(piece, &count);
    if (!status.ok()) return status;
    if (count == 0) break;
    rewriter.Feed(std::string_view(piece.data(), count), &out);
    if (out.size() < kWriteSize) continue;
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
