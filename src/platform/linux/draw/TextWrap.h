// Line breaking for the message box: FLTK wraps only at blanks, and Japanese text has none.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform::x11 {

// The text with line breaks added so no line is wider than maxWidth as widthOf measures it. A line
// breaks at its last blank when it has one, otherwise between two characters (never inside a UTF-8
// sequence); a single character wider than maxWidth keeps a line of its own. Existing breaks stay.
std::string WrapToWidth(std::string_view text, int maxWidth, const std::function<int(std::string_view)>& widthOf);

}  // namespace platform::x11
