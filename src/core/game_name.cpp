#include "core/game_name.h"

#include "core/name_characters.h"

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

bool isLetterOrDigit(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9');
}

bool isPrintable(unsigned char byte) { return byte >= 0x20 && byte <= 0x7e; }

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
        if (isRefusedByte(b.byte)) {
            changes.push_back({b.typed, b.typed + 1, GameChangeReason::RefusedByte});
            refused = true;
        }
    }
    return refused;
}

// Once a code is gone, the caret before it may pair with the byte after it, so a
// dropped code's two bytes need not be neighbours in the typed name.
void dropCode(const TracedByte& caret, const TracedByte& code, GameChangeReason reason,
              std::vector<GameChange>& changes)
{
    if (code.typed == caret.typed + 1) {
        changes.push_back({caret.typed, code.typed + 1, reason});
    } else {
        changes.push_back({caret.typed, caret.typed + 1, reason});
        changes.push_back({code.typed, code.typed + 1, reason});
    }
}

// A name without a letter or digit in colour loses its codes and unprintable bytes,
// judged on the bytes the cleaning kept.
TracedText stripUncoloured(const TracedText& in, const NameRules& rules, std::vector<GameChange>& changes)
{
    TracedText out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (i + 1 < in.size() && rules.isCode(in[i].byte, in[i + 1].byte)) {
            dropCode(in[i], in[i + 1], GameChangeReason::Uncoloured, changes);
            ++i;
        } else if (!isPrintable(in[i].byte)) {
            changes.push_back({in[i].typed, in[i].typed + 1, GameChangeReason::Uncoloured});
        } else {
            out.push_back(in[i]);
        }
    }
    return out;
}

// The game module's cleaning of a player name, step for step: codes are judged on what
// it has kept so far, and a caret counts as visible until a code byte follows it.
// Empty exactly when the name is left with nothing.
TracedText clean(const TracedText& in, int typedLength, const NameRules& rules, std::vector<GameChange>& changes)
{
    std::size_t i = 0;
    for (; i < in.size() && in[i].byte == ' '; ++i)
        changes.push_back({in[i].typed, in[i].typed + 1, GameChangeReason::LeadingBlank});

    TracedText out;
    int blanks = 0;
    int visible = 0;
    bool black = false;
    bool coloured = false;
    for (; i < in.size() && out.size() < static_cast<std::size_t>(kGameNameBytes); ++i) {
        const TracedByte b = in[i];
        if (b.byte == ' ') {
            if (blanks == kBlanksInARow) {
                changes.push_back({b.typed, b.typed + 1, GameChangeReason::ExtraBlank});
                continue;
            }
            ++blanks;
        } else if (!out.empty() && rules.isCode(out.back().byte, b.byte)) {
            --visible;
            black = rules.isBlack(b.byte);
            if (black && rules.dropsBlackCodes) {
                dropCode(out.back(), b, GameChangeReason::BlackCode, changes);
                out.pop_back();
                continue;
            }
        } else {
            blanks = 0;
            ++visible;
            // A letter after a caret that is no code is not counted as coloured.
            coloured = coloured || (!black && isLetterOrDigit(b.byte) && (out.empty() || out.back().byte != kCaret));
        }
        out.push_back(b);
    }
    if (i < in.size())
        changes.push_back({in[i].typed, typedLength, GameChangeReason::CutAtLimit});
    std::vector<GameChange> stripped;
    if (rules.stripsNameWithoutColour && !coloured)
        out = stripUncoloured(out, rules, stripped);
    if (visible == 0 || out.empty()) {
        changes.push_back({0, typedLength, GameChangeReason::Unnamed});
        return {};
    }
    changes.insert(changes.end(), stripped.begin(), stripped.end());
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

std::string unnamedPlayer(Game game)
{
    const NameRules& rules = gameProfile(game).names;
    return rules.unnamedTakesSlot ? rules.unnamed + std::to_string(kShownSlot) : rules.unnamed;
}

GameName serverName(const NameText& typed, NameType type, Game game)
{
    GameName result;
    const TracedText read = networkRead(typed, result.changes);
    if (refuse(read, result.changes)) {
        result.text = type == NameType::User ? NameText(unnamedPlayer(game)) : NameText();
        return result;
    }
    if (type == NameType::Host) {
        result.text = bytesOf(read);
        return result;
    }
    const TracedText cleaned = clean(read, typed.length(), gameProfile(game).names, result.changes);
    result.text = cleaned.empty() ? NameText(unnamedPlayer(game)) : bytesOf(cleaned);
    return result;
}

std::optional<NameText> serverNameIfChanged(const NameText& typed, Game game)
{
    NameText server = serverName(typed, NameType::User, game).text;
    // An empty box is no name yet, not a player with the default name.
    if (typed.empty() || server == typed)
        return std::nullopt;
    return server;
}

std::optional<GameChange> serverCut(const NameText& typed, Game game)
{
    const std::vector<GameChange> changes = serverName(typed, NameType::User, game).changes;
    const auto cut = std::find_if(changes.begin(), changes.end(),
                                  [](const GameChange& change) { return change.reason == GameChangeReason::CutAtLimit; });
    if (cut == changes.end())
        return std::nullopt;
    return *cut;
}

} // namespace glimtags
