#include "core/name_characters.h"

#include <gtest/gtest.h>

TEST(NameCharacters, OneCharacterPerByteBothWays)
{
    for (const auto& [byte, shown] : {std::pair<unsigned char, char32_t>{1, U'\u2401'}, {31, U'\u241f'}, {32, U' '},
                                      {'A', U'A'}, {0x7f, U'\u007f'}, {0xe9, U'\u00e9'}, {0xff, U'\u00ff'}})
        EXPECT_EQ(glimtags::displayCharacter(byte), shown) << int(byte);
    for (int byte = 1; byte < 256; ++byte)
        EXPECT_EQ(glimtags::byteForCharacter(glimtags::displayCharacter(static_cast<unsigned char>(byte))), byte);
    for (char32_t refused : {U'\0', U'\t', U'\u0100', U'\u20ac', U'\u2400', U'\u2420', U'\U0001F600'})
        EXPECT_EQ(glimtags::byteForCharacter(refused), std::nullopt) << static_cast<unsigned>(refused);
}
