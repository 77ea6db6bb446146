#include "core/game_name.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace glimtags {
namespace {

// A byte on its way to the server, with the typed position it came from.
struct TracedByte {
    unsigned char byte;
    int typed;
};

using TracedText = std::vector<TracedByte>;

// The game keeps at most this many blanks in a row.
constexpr int kBlanksInARow = 3;

bool isRefused(unsigned char byte) { return byte == ';' || byte == '\\' || byte == '"'; }

TracedText networkRead(const NameText& typed, std::vector<GameChange>& changes)
{
    TracedText read;
    for (int i = 0; i < typed.length(); ++i) {
        unsigned char byte = typed.at(i);
        if (byte == '%' || byte > 127) {
            changes.push_back({i, i + 1, GameChangeReason::NetworkDot});
            byte = '.';
        }
        read.push_back({byte, i});
    }
    return read;
}

bool refuse(const TracedText& text, std::vector<GameChange>& changes)
{
    bool refused = false;
    for (const TracedByte& b : text) {
        if (isRefused(b.byte)) {
            changes.push_back({b.typed, b.typed + 1, GameChangeReason::RefusedByte});
            refused = true;
        }
    }
    return refused;
}

// Once a black code is gone, the caret before it may pair with the byte after it,
// so a dropped code's two bytes need not be neighbours in the typed name.
void dropBlackCode(int caret, int code, std::vector<GameChange>& changes)
{
    if (code == caret + 1) {
        changes.push_back({caret, code + 1, GameChangeReason::BlackCode});
    } else {
        changes.push_back({caret, caret + 1, GameChangeReason::BlackCode});
        changes.push_back({code, code + 1, GameChangeReason::BlackCode});
    }
}

// The game's cleaning of a player name, step for step: codes are judged on what it
// has kept so far, and a caret counts as visible until a code byte follows it.
// Empty exactly when nothing visible is left.
TracedText clean(const TracedText& in, int typedLength, std::vector<GameChange>& changes)
{
    std::size_t i = 0;
    for (; i < in.size() && in[i].byte == ' '; ++i)
        changes.push_back({in[i].typed, in[i].typed + 1, GameChangeReason::LeadingBlank});

    TracedText out;
    int blanks = 0;
    int visible = 0;
    for (; i < in.size() && out.size() < static_cast<std::size_t>(kGameNameBytes); ++i) {
        const TracedByte b = in[i];
        if (b.byte == ' ') {
            if (blanks == kBlanksInARow) {
                changes.push_back({b.typed, b.typed + 1, GameChangeReason::ExtraBlank});
                continue;
            }
            ++blanks;
        } else if (!out.empty() && isGameCodePair(out.back().byte, b.byte)) {
            --visible;
            if (gameCodeColour(b.byte) == kBlack) {
                dropBlackCode(out.back().typed, b.typed, changes);
                out.pop_back();
                continue;
            }
        } else {
            blanks = 0;
            ++visible;
        }
        out.push_back(b);
    }
    if (i < in.size())
        changes.push_back({in[i].typed, typedLength, GameChangeReason::CutAtLimit});
    if (visible == 0) {
        changes.push_back({0, typedLength, GameChangeReason::Unnamed});
        return {};
    }
    return out;
}

NameText bytesOf(const TracedText& text)
{
    std::string bytes;
    std::transform(text.begin(), text.end(), std::back_inserter(bytes),
        [](const TracedByte& b) { return static_cast<char>(b.byte); });
    return NameText(bytes);
}

} // namespace

GameName serverName(const NameText& typed, NameType type)
{
    GameName result;
    const TracedText read = networkRead(typed, result.changes);
    if (refuse(read, result.changes)) {
        result.text = type == NameType::User ? NameText(kUnnamedPlayer) : NameText();
        return result;
    }
    if (type == NameType::Host) {
        result.text = bytesOf(read);
        return result;
    }
    const TracedText cleaned = clean(read, typed.length(), result.changes);
    result.text = cleaned.empty() ? NameText(kUnnamedPlayer) : bytesOf(cleaned);
    return result;
}

std::optional<NameText> serverNameIfChanged(const NameText& typed)
{
    NameText server = serverName(typed, NameType::User).text;
    // An empty box is no name yet, not a player called UnnamedPlayer.
    if (typed.empty() || server == typed)
        return std::nullopt;
    return server;
}

std::optional<GameChange> serverCut(const NameText& typed)
{
    const std::vector<GameChange> changes = serverName(typed, NameType::User).changes;
    const auto cut = std::find_if(changes.begin(), changes.end(),
                                  [](const GameChange& change) { return change.reason == GameChangeReason::CutAtLimit; });
    if (cut == changes.end())
        return std::nullopt;
    return *cut;
}

} // namespace glimtags
