// Developer tool: prints the name a server of the game ends up with for NAME, as hex
// bytes on the first line, then each change with its byte range in NAME as typed.
// With --compact: NAME without its needless colour codes, as hex bytes, then the
// number of bytes that saves.

#include "core/game_name.h"
#include "core/needless_codes.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: game-name [--game ioquake3|openarena] [--host | --compact] NAME\n"
    "The game defaults to ioquake3. A player name is cleaned by the game's rules; OpenArena's\n"
    "Nameless is shown for slot 0. With --host, NAME is sv_hostname as a client reads it:\n"
    "the server sends its bytes unchanged in getinfo, getstatus and the serverinfo its\n"
    "players get, the client's engine reads '%' and bytes above 127 as '.', and a value\n"
    "holding ';', '\\' or '\"' is left out of all three (empty). With --compact, NAME without\n"
    "its needless colour codes, then the bytes that saves.\n";

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
    case GameChangeReason::Uncoloured: return "no letter or digit in colour: code or unprintable byte dropped";
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

int printCompact(const glimtags::NameText& name, glimtags::Game game)
{
    const glimtags::NameText compact = glimtags::removeNeedlessCodes(name, 0, 0, game).name;
    std::printf("%s\n%d bytes saved\n", hexBytes(compact.bytes()).c_str(), name.length() - compact.length());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    glimtags::NameType type = glimtags::NameType::User;
    bool compact = false;
    std::optional<glimtags::Game> game = glimtags::Game::Ioquake3;
    while (!args.empty() && (args.front() == "--host" || args.front() == "--compact" ||
                             (args.front() == "--game" && args.size() > 1))) {
        if (args.front() == "--game") {
            game = glimtags::gameForKey(args[1]);
            args.erase(args.begin(), args.begin() + 2);
            continue;
        }
        if (args.front() == "--host")
            type = glimtags::NameType::Host;
        else
            compact = true;
        args.erase(args.begin());
    }
    if (args.size() != 1 || !game || (compact && type == glimtags::NameType::Host)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (compact)
        return printCompact(glimtags::NameText(args.front()), *game);

    const glimtags::GameName name = glimtags::serverName(glimtags::NameText(args.front()), type, *game);
    std::printf("%s\n", hexBytes(name.text.bytes()).c_str());
    for (const glimtags::GameChange& change : name.changes)
        std::printf("[%d, %d) %s\n", change.start, change.end, describe(change.reason));
    return 0;
}
