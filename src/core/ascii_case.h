#pragma once

#include <cstddef>
#include <string_view>

namespace glimtags {

// Letters compared without regard to case are the ASCII ones only; every other
// byte must match exactly, as the game's configuration and language files expect.
unsigned char lowerAscii(unsigned char byte);
// A blank of the game's files: a space or a tab.
inline bool isBlank(char byte) { return byte == ' ' || byte == '\t'; }
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The first position at which the whole key stands in the text without regard
// to case; npos when there is none or the key is empty.
std::size_t findIgnoringCase(std::string_view text, std::string_view key);

} // namespace glimtags
