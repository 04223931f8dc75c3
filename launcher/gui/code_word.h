// The About dialog's code word: ten characters that reveal the authorship
// picture. It is never stored whole; it is built each time the dialog loads
// from the author line and a few constants.
#pragma once

#include <string>
#include <string_view>

namespace hostdeck::gui {

// Three characters of `author_line` (one of them three times) and five
// one-letter constants. A position past the end of the line gives nothing, so
// a shorter line yields a shorter word rather than a fault.
std::string BuildCodeWord(std::string_view author_line);

}  // namespace hostdeck::gui
