#include "platform/command_line.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The index just after the program token.
size_t ProgramEnd(std::string_view text) {
  size_t i = 0;
  for (bool in_quotes = false; i < text.size() && (in_quotes || !IsBlank(text[i])); ++i) {
    if (text[i] == '"') in_quotes = !in_quotes;
  }
  return i;
}

void AppendQuoted(std::string_view arg, std::string* text) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string_view::npos) {
    *text += arg;
    return;
  }
  *text += '"';
  size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes stand for themselves unless a quote follows them.
    text->append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    *text += c;
  }
  text->append(backslashes * 2, '\\');
  *text += '"';
}

}  // namespace

std::string CommandLineOf(std::string_view program, std::string_view arguments) {
  std::string text = "\"" + std::string(program) + "\"";
  if (!arguments.empty()) text += " " + std::string(arguments);
  return text;
}

std::string_view ArgumentsOf(std::string_view command_line) {
  size_t i = ProgramEnd(command_line);
  while (i < command_line.size() && IsBlank(command_line[i])) ++i;
  return command_line.substr(i);
}

std::string JoinArguments(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& arg : args) {
    if (&arg != &args.front()) text += ' ';
    AppendQuoted(arg, &text);
  }
  return text;
}

std::vector<std::string> SplitArguments(std::string_view text) {
  std::vector<std::string> args;
  size_t i = 0;
  for (;;) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) break;
    std::string arg;
    bool in_quotes = false;
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
