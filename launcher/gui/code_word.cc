#include "gui/code_word.h"

namespace hostdeck::gui {
namespace {

std::string CharacterAt(std::string_view line, size_t position) {
  return position < line.size() ? std::string(1, line[position]) : std::string();
}

}  // namespace

std::string BuildCodeWord(std::string_view author_line) {
  std::string initial = CharacterAt(author_line, 15);
  std::string zero = CharacterAt(author_line, 11);
  std::string last = CharacterAt(author_line, 21);
  return initial + "v" + zero + "Z" + zero + "x" + last + "q" + zero + "R";
}

}  // namespace hostdeck::gui
