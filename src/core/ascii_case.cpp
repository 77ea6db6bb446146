#include "core/ascii_case.h"

#include <algorithm>

namespace glimtags {
namespace {

bool sameLetter(char a, char b)
{
    return lowerAscii(static_cast<unsigned char>(a)) == lowerAscii(static_cast<unsigned char>(b));
}

} // namespace

unsigned char lowerAscii(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameLetter);
}

std::size_t findIgnoringCase(std::string_view text, std::string_view key)
{
    if (key.empty())
        return std::string_view::npos;
    const auto match = std::search(text.begin(), text.end(), key.begin(), key.end(), sameLetter);
    return match == text.end() ? std::string_view::npos : static_cast<std::size_t>(match - text.begin());
}

} // namespace glimtags
