// Developer tool: prints the name an ioquake3 server ends up with for NAME, as hex
// bytes on the first line, then each change with its byte range in NAME as typed.
// With --compact: NAME without its needless colour codes, as hex bytes, then the
// number of bytes that saves.

#include "core/game_name.h"
#include "core/needless_codes.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: game-name [--host | --compact] NAME\n";

const char* describe(glimtags::GameChangeReason reason)
{
    using glimtags::GameChangeReason;
    switch (reason) {
    case GameChangeReason::NetworkDot: return "read off the network as '.'";
    case GameChangeReason::RefusedByte: return "refused: the name never reaches the server";
    case GameChangeReason::LeadingBlank: return "leading blank dropped";
    case GameChangeReason::ExtraBlank: return "more than three blanks in a row: dropped";
    case GameChangeReason::BlackCode: return "black colour code dropped";
    case GameChangeReason::CutAtLimit: return "cut at the byte limit";
    case GameChangeReason::Unnamed: return "nothing visible left: the default name";
    }
    return "";
}

std::string hexBytes(const std::string& bytes)
{
    std::string hex;
    for (const char byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, hex.empty() ? "%02x" : " %02x", static_cast<unsigned char>(byte));
        hex += digits;
    }
    return hex;
}

int printCompact(const glimtags::NameText& name)
{
    const glimtags::NameText compact = glimtags::removeNeedlessCodes(name, 0, 0).name;
    std::printf("%s\n%d bytes saved\n", hexBytes(compact.bytes()).c_str(), name.length() - compact.length());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    glimtags::NameType type = glimtags::NameType::User;
    bool compact = false;
    if (!args.empty() && args.front() == "--host") {
        type = glimtags::NameType::Host;
        args.erase(args.begin());
    } else if (!args.empty() && args.front() == "--compact") {
        compact = true;
        args.erase(args.begin());
    }
    if (args.size() != 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (compact)
        return printCompact(glimtags::NameText(args.front()));

    const glimtags::GameName name = glimtags::serverName(glimtags::NameText(args.front()), type);
    std::printf("%s\n", hexBytes(name.text.bytes()).c_str());
    for (const glimtags::GameChange& change : name.changes)
        std::printf("[%d, %d) %s\n", change.start, change.end, describe(change.reason));
    return 0;
}
