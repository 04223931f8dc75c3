#include "platform/command_line.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view text) {
  std::vector<std::string> args;
  size_t i = 0;

  std::string program;
  bool in_quotes = false;
  for (; i < text.size() && (in_quotes || !IsBlank(text[i])); ++i) {
    if (text[i] == '"') {
      in_quotes = !in_quotes;
    } else {
      program += text[i];
    }
  }
  args.push_back(std::move(program));

  for (;;) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) break;
    std::string arg;
    in_quotes = false;
    while (i < text.size() && (in_quotes || !IsBlank(text[i]))) {
      size_t backslashes = 0;
      while (i < text.size() && text[i] == '\\') {
        ++backslashes;
        ++i;
      }
      if (i < text.size() && text[i] == '"') {
        arg.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) {
          arg += '"';
        } else if (in_quotes && i + 1 < text.size() && text[i + 1] == '"') {
          arg += '"';
          ++i;
        } else {
          in_quotes = !in_quotes;
        }
        ++i;
      } else {
        arg.append(backslashes, '\\');
        if (i < text.size() && (in_quotes || !IsBlank(text[i]))) arg += text[i++];
      }
    }
    args.push_back(std::move(arg));
  }
  return args;
}

}  // namespace platform
