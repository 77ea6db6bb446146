#pragma once

#include <optional>

namespace glimtags {

// The name box shows one character per byte: bytes 32-255 as the Latin-1 character of
// the same number, control bytes 1-31 as their Unicode control pictures.
char32_t displayCharacter(unsigned char byte);

// The byte a character of the box stands for; nothing when it has no single-byte form.
std::optional<unsigned char> byteForCharacter(char32_t character);

} // namespace glimtags
