// Developer tool: prints the name a server of the game ends up with for NAME, as hex
// bytes on the first line, then each change with its byte range in NAME as typed.

#include "core/game_name.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: game-name [--game ioquake3|openarena] [--host] NAME\n"
    "The game defaults to ioquake3. A player name is cleaned by the game's rules; OpenArena's\n"
    "Nameless is shown for slot 0. With --host, NAME is sv_hostname as a client reads it:\n"
    "the server sends its bytes unchanged in getinfo, getstatus and the serverinfo its\n"
    "players get, the client's engine reads '%' and bytes above 127 as '.', and a value\n"
    "holding ';', '\\' or '\"' is left out of all three (empty).\n";

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

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    glimtags::NameType type = glimtags::NameType::User;
    std::optional<glimtags::Game> game = glimtags::Game::Ioquake3;
    while (args.size() > 1 && (args.front() == "--host" || args.front() == "--game")) {
        if (args.front() == "--host") {
            type = glimtags::NameType::Host;
            args.erase(args.begin());
        } else {
            game = glimtags::gameForKey(args[1]);
            args.erase(args.begin(), args.begin() + 2);
        }
    }
    if (args.size() != 1 || !game) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    const glimtags::GameName name = glimtags::serverName(glimtags::NameText(args.front()), type, *game);
    std::string hex;
    for (const char byte : name.text.bytes()) {
        char digits[4];
        std::snprintf(digits, sizeof digits, hex.empty() ? "%02x" : " %02x", static_cast<unsigned char>(byte));
        hex += digits;
    }
    std::printf("%s\n", hex.c_str());
    for (const glimtags::GameChange& change : name.changes)
        std::printf("[%d, %d) %s\n", change.start, change.end, describe(change.reason));
    return 0;
}
