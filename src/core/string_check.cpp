#include "core/string_check.h"

#include "core/game_name.h"
#include "core/name_characters.h"

#include <algorithm>

namespace glimtags {
namespace {

enum class PassResult { Finished, CheckEnded };

// A double quote would end the saved value early; it is offered like a high byte.
bool isHighCharacterOrQuote(unsigned char byte) { return byte >= 127 || byte == kQuote; }

NameText withoutRange(const NameText& name, int start, int count)
{
    std::string bytes = name.bytes();
    bytes.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
    return NameText(bytes);
}

bool offerFinding(CheckHost& host, int start, int end, std::string_view question)
{
    host.selectRange(start, end);
    host.requestRepaint();
    return host.askYesNo(question);
}

PassResult characterPass(CheckHost& host)
{
    for (int i = 0; i < host.currentName().length();) {
        const NameText name = host.currentName();
        const unsigned char byte = name.at(i);
        const bool control = isForbiddenControl(byte);
        if (!control && !isHighCharacterOrQuote(byte)) {
            ++i;
            continue;
        }
        if (offerFinding(host, i, i + 1, "MESSAGE_INVALIDCHAR")) {
            host.replaceName(withoutRange(name, i, 1));
            i = 0;
        } else if (control) {
            return PassResult::CheckEnded;
        } else {
            ++i;
        }
    }
    return PassResult::Finished;
}

void colourPass(CheckHost& host)
{
    for (int i = 0; i < host.currentName().length();) {
        const NameText name = host.currentName();
        if (!startsCode(name, i) || !startsCode(name, i + 2)) {
            ++i;
            continue;
        }
        if (offerFinding(host, i, i + 2, "MESSAGE_CONSECUTIVECOLORS")) {
            host.replaceName(withoutRange(name, i, 2));
            i = 0;
        } else {
            ++i;
        }
    }
}

// The question for a change the game pass offers to undo; none for the others. The
// double quote is the character pass's.
const char* gameQuestion(const GameChange& change, const NameText& name, Game game)
{
    switch (change.reason) {
    case GameChangeReason::RefusedByte:
        return name.at(change.start) == kQuote ? nullptr : gameProfile(game).refusedQuestion;
    case GameChangeReason::LeadingBlank:
    case GameChangeReason::ExtraBlank:
    case GameChangeReason::BlackCode:
    case GameChangeReason::Uncoloured:
        return "MESSAGE_GAMEDROPS";
    default:
        return nullptr;
    }
}

void gamePass(CheckHost& host, Game game)
{
    // Changes that start before this position were declined.
    for (int from = 0;;) {
        const NameText name = host.currentName();
        const std::vector<GameChange> changes = serverName(name, NameType::User, game).changes;
        const auto finding = std::find_if(changes.begin(), changes.end(), [&](const GameChange& change) {
            return change.start >= from && gameQuestion(change, name, game);
        });
        if (finding == changes.end())
            return;
        if (offerFinding(host, finding->start, finding->end, gameQuestion(*finding, name, game))) {
            host.replaceName(withoutRange(name, finding->start, finding->end - finding->start));
            from = 0;
        } else {
            from = finding->start + 1;
        }
    }
}

void tellCut(CheckHost& host, Game game)
{
    const std::optional<GameChange> cut = serverCut(host.currentName(), game);
    if (!cut)
        return;
    host.selectRange(cut->start, cut->end);
    host.requestRepaint();
    host.tell("MESSAGE_GAMECUTS");
}

} // namespace

void checkString(CheckHost& host, GameRuleCheck gameRules)
{
    // A finding declined in the first round is offered once more in the second.
    for (int round = 0; round < 2; ++round) {
        if (characterPass(host) == PassResult::CheckEnded)
            return;
        colourPass(host);
    }
    if (gameRules.enabled)
        gamePass(host, gameRules.game);
    if (gameRules.enabled && gameRules.tellCut)
        tellCut(host, gameRules.game);
}

} // namespace glimtags
