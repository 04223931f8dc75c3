// The configuration rewrite of ZARNDetect, which switches map downloads on.
//
// Lines end at CR LF or at a lone CR; a lone LF is an ordinary character. The
// result has CR LF before every line and one CR LF at the end (an empty file
// becomes one CR LF), and every "AllowDownloads=False" becomes
// "AllowDownloads=True", compared exactly, left to right. All other bytes,
// those from 0x80 up included, pass unchanged.
#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

namespace install_tools {

// The rewrite of a text that arrives in pieces, in time linear in its length
// and with memory bounded by the piece: a match split across two pieces is
// still replaced.
class ConfigRewriter {
 public:
  // Appends to *out the rewritten text of `piece` as far as it is decided; the
  // few bytes that may begin a match wait for the next piece.
  void Feed(std::string_view piece, std::string* out);
  // Appends the rest.
  // REQUIRES: called once, after the last Feed.
  void Finish(std::string* out);

 private:
  // Appends `text` to *out with every match replaced, except a match the end
  // of the text may begin, which waits in begun_. `text` holds no line end to
  // mend.
  void Replace(std::string_view text, std::string* out);

  bool at_start_ = true;  // the CR LF that goes before everything is still to come
  std::string begun_;     // the end of the text so far, if it begins a match
  bool after_cr_ = false;
  bool ends_in_terminator_ = true;
};

// Rewrites the configuration file at `path` (found whatever the case of its
// name). The new content goes to a file beside it that then replaces it, so a
// failure at any point (a file that cannot be read, a read-only one, a full
// disk) leaves the file exactly as it was; the reason is returned.
platform::Status RewriteConfigFile(const std::string& path);

}  // namespace install_tools
