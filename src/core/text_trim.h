#pragma once

#include <string_view>

namespace glimtags {

// The text without the given blank bytes at either end.
std::string_view trimmed(std::string_view text, std::string_view blanks);

} // namespace glimtags
