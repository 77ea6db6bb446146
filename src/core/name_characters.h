#pragma once

#include <optional>

namespace glimtags {

// The name box shows one character per byte: bytes 32-255 as the Latin-1 character of
// the same number, control bytes 1-31 as their Unicode control pictures.
char32_t displayCharacter(unsigned char byte);

// The byte a character of the box stands for; nothing when it has no single-byte form.
std::optional<unsigned char> byteForCharacter(char32_t character);

// Ends a name's value in a script line or a console command.
inline constexpr unsigned char kQuote = '"';

// A byte the engine refuses in a name or host name (';', '\' and the quote): a value
// holding one never reaches the server.
inline bool isRefusedByte(unsigned char byte) { return byte == ';' || byte == '\\' || byte == kQuote; }

// A control byte the string check takes out of every name.
inline bool isForbiddenControl(unsigned char byte) { return byte == 5 || (byte >= 10 && byte <= 17) || byte == 22; }

} // namespace glimtags
