// Blank trimming shared by the text parsers (the settings file's, and the Linux backend's).
#pragma once

#include <string_view>

namespace platform {

// s without its leading and trailing characters that appear in blanks.
inline std::string_view TrimAny(std::string_view s, std::string_view blanks) {
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

}  // namespace platform
