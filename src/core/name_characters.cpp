#include "core/name_characters.h"

namespace glimtags {

namespace {
constexpr char32_t kControlPictures = 0x2400;
}

char32_t displayCharacter(unsigned char byte)
{
    return byte < 32 ? kControlPictures + byte : byte;
}

std::optional<unsigned char> byteForCharacter(char32_t character)
{
    if (character >= kControlPictures + 1 && character <= kControlPictures + 31)
        return static_cast<unsigned char>(character - kControlPictures);
    if (character >= 32 && character <= 255)
        return static_cast<unsigned char>(character);
    return std::nullopt;
}

} // namespace glimtags
