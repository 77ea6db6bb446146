#include "core/pak_order.h"

#include "core/ascii_case.h"

#include <algorithm>

namespace glimtags {
namespace {

constexpr std::string_view kPakExtension = ".pk3";
constexpr std::string_view kPakFolderEnding = "dir";

// One byte as the game's comparison sees it; past the end of the name, the C string's zero.
int pathByte(std::string_view name, std::size_t at)
{
    if (at >= name.size())
        return 0;
    int byte = static_cast<signed char>(name[at]);
    if (byte >= 'a' && byte <= 'z')
        byte -= 'a' - 'A';
    return byte == '\\' || byte == ':' ? '/' : byte;
}

bool endsInPakExtension(std::string_view name)
{
    return name.size() >= kPakExtension.size()
        && equalIgnoringCase(name.substr(name.size() - kPakExtension.size()), kPakExtension);
}

bool sameEntryByte(char a, char b)
{
    const auto fold = [](char byte) { return byte == '\\' ? '/' : static_cast<char>(lowerAscii(byte)); };
    return fold(a) == fold(b);
}

} // namespace

int comparePakNames(std::string_view a, std::string_view b)
{
    for (std::size_t at = 0; at <= std::max(a.size(), b.size()); ++at) {
        const int left = pathByte(a, at);
        const int right = pathByte(b, at);
        if (left != right)
            return left < right ? -1 : 1;
        if (left == 0)
            return 0;
    }
    return 0;
}

bool isPakFileName(std::string_view name)
{
    return endsInPakExtension(name);
}

bool isPakFolderName(std::string_view name)
{
    return name.ends_with(kPakFolderEnding)
        && endsInPakExtension(name.substr(0, name.size() - kPakFolderEnding.size()));
}

bool isPakEntryFor(std::string_view entryName, std::string_view path)
{
    return std::equal(entryName.begin(), entryName.end(), path.begin(), path.end(), sameEntryByte);
}

} // namespace glimtags
