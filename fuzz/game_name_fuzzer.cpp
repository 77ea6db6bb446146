// The server's name for any typed name of either type, in either game. Every change lies inside the
// typed name and the listed changes, applied to the typed bytes, give the server's
// name; a player name keeps to the game's byte limit, and under ioquake3 to something visible.
#include "fuzz_check.h"

#include "core/game_name.h"
#include "core/name_characters.h"
#include "core/name_script.h"
#include "core/name_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using glimtags::GameChange;
using glimtags::GameChangeReason;

// The engine's steps in order: the network read, the refusal, then the cleaning, where
// blanks and black codes go as they come, before the cut and the unnamed fallback.
int stepOf(GameChangeReason reason)
{
    switch (reason) {
    case GameChangeReason::NetworkDot: return 0;
    case GameChangeReason::RefusedByte: return 1;
    case GameChangeReason::LeadingBlank: return 2;
    case GameChangeReason::ExtraBlank:
    case GameChangeReason::BlackCode: return 3;
    case GameChangeReason::CutAtLimit: return 4;
    case GameChangeReason::Uncoloured: return 5;
    case GameChangeReason::Unnamed: return 6;
    }
    std::abort();
}

// The typed bytes with the changes applied: a network dot reads as '.', the cleaning's
// changes drop their bytes.
std::string applied(const glimtags::NameText& typed, const std::vector<GameChange>& changes)
{
    std::vector<char> kept(typed.bytes().begin(), typed.bytes().end());
    std::vector<bool> dropped(kept.size(), false);
    for (const GameChange& change : changes)
        for (int i = change.start; i < change.end; ++i) {
            if (change.reason == GameChangeReason::NetworkDot)
                kept[static_cast<std::size_t>(i)] = '.';
            else
                dropped[static_cast<std::size_t>(i)] = true;
        }
    std::string bytes;
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (!dropped[i])
            bytes += kept[i];
    return bytes;
}

int visibleGlyphs(const glimtags::NameText& name)
{
    int glyphs = 0;
    glimtags::walkGameColours(name, [&](unsigned char, glimtags::ColourRgb) { ++glyphs; });
    return glyphs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto type = data[0] & 1 ? glimtags::NameType::Host : glimtags::NameType::User;
    const auto game = data[0] & 2 ? glimtags::Game::OpenArena : glimtags::Game::Ioquake3;
    const std::string defaultName = glimtags::unnamedPlayer(game);
    const glimtags::NameText typed(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const glimtags::GameName server = glimtags::serverName(typed, type, game);

    bool refused = false;
    bool unnamed = false;
    int step = 0;
    for (const GameChange& change : server.changes) {
        FUZZ_CHECK(change.start >= 0 && change.end <= typed.length());
        FUZZ_CHECK(change.start < change.end || (change.reason == GameChangeReason::Unnamed && typed.empty()));
        FUZZ_CHECK(stepOf(change.reason) >= step);
        step = stepOf(change.reason);
        if (change.reason == GameChangeReason::NetworkDot) {
            const unsigned char byte = typed.at(change.start);
            FUZZ_CHECK(change.end == change.start + 1 && (byte == '%' || byte > 127));
        }
        if (change.reason == GameChangeReason::RefusedByte)
            FUZZ_CHECK(change.end == change.start + 1 && glimtags::isRefusedByte(typed.at(change.start)));
        refused = refused || change.reason == GameChangeReason::RefusedByte;
        unnamed = change.reason == GameChangeReason::Unnamed;
    }
    if (step >= 2)
        FUZZ_CHECK(type == glimtags::NameType::User);

    const std::string& text = server.text.bytes();
    if (refused) {
        FUZZ_CHECK(step == 1);
        FUZZ_CHECK(text == (type == glimtags::NameType::User ? defaultName : ""));
        return 0;
    }
    for (const unsigned char byte : text)
        FUZZ_CHECK(byte != '%' && byte <= 127 && !glimtags::isRefusedByte(byte));
    if (unnamed) {
        FUZZ_CHECK(server.changes.back().start == 0 && server.changes.back().end == typed.length());
        FUZZ_CHECK(text == defaultName);
        return 0;
    }
    FUZZ_CHECK(text == applied(typed, server.changes));
    if (type == glimtags::NameType::User) {
        FUZZ_CHECK(server.text.length() <= glimtags::kGameNameBytes);
        // OpenArena's module keeps a name the engine draws nothing of, such as "^P".
        if (game == glimtags::Game::Ioquake3)
            FUZZ_CHECK(visibleGlyphs(server.text) > 0);
    }
    return 0;
}
