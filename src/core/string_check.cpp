#include "core/string_check.h"

#include "core/game_name.h"
#include "core/name_characters.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace glimtags {
namespace {

enum class PassResult { Finished, CheckEnded };

// A double quote would end the saved value early; it is offered like a high byte.
bool isHighCharacterOrQuote(unsigned char byte) { return byte >= 127 || byte == kQuote; }

// The findings the user declined: each stays declined for the rest of the check. Every
// pass asks from left to right, so a deletion comes after the findings declined before
// it and their places hold.
class Declined {
public:
    bool contains(int start, int end, std::string_view question) const
    {
        return std::find(findings_.begin(), findings_.end(), Finding{start, end, question}) != findings_.end();
    }
    void add(int start, int end, std::string_view question) { findings_.push_back({start, end, question}); }

private:
    struct Finding {
        int start;
        int end;
        std::string_view question;
        bool operator==(const Finding&) const = default;
    };
    std::vector<Finding> findings_;
};

// One question and what its answer does: Yes deletes the bytes; No is kept, so that the
// same finding is not asked about again in this check.
bool offerFinding(CheckHost& host, Declined& declined, const NameText& name, int start, int end,
    std::string_view question)
{
    if (declined.contains(start, end, question))
        return false;
    host.selectRange(start, end);
    host.requestRepaint();
    if (!host.askYesNo(question)) {
        declined.add(start, end, question);
        return false;
    }
    std::string bytes = name.bytes();
    bytes.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    host.replaceName(NameText(bytes));
    return true;
}

PassResult characterPass(CheckHost& host, Declined& declined)
{
    for (int i = 0; i < host.currentName().length();) {
        const NameText name = host.currentName();
        const unsigned char byte = name.at(i);
        const bool control = isForbiddenControl(byte);
        if (!control && !isHighCharacterOrQuote(byte)) {
            ++i;
            continue;
        }
        if (offerFinding(host, declined, name, i, i + 1, "MESSAGE_INVALIDCHAR")) {
            i = 0;
        } else if (control) {
            return PassResult::CheckEnded;
        } else {
            ++i;
        }
    }
    return PassResult::Finished;
}

void colourPass(CheckHost& host, Declined& declined)
{
    for (int i = 0; i < host.currentName().length();) {
        const NameText name = host.currentName();
        if (!startsCode(name, i) || !startsCode(name, i + 2)) {
            ++i;
            continue;
        }
        if (offerFinding(host, declined, name, i, i + 2, "MESSAGE_CONSECUTIVECOLORS")) {
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

void gamePass(CheckHost& host, Declined& declined, Game game)
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
        from = offerFinding(host, declined, name, finding->start, finding->end, gameQuestion(*finding, name, game))
            ? 0
            : finding->start + 1;
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
    Declined declined;
    if (characterPass(host, declined) == PassResult::CheckEnded)
        return;
    colourPass(host, declined);
    if (gameRules.enabled)
        gamePass(host, declined, gameRules.game);
    if (gameRules.enabled && gameRules.tellCut)
        tellCut(host, gameRules.game);
}

} // namespace glimtags
