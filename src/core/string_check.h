#pragma once

#include "core/game_profile.h"
#include "core/name_text.h"

#include <string_view>

namespace glimtags {

// What the string check needs of the window that holds the name.
class CheckHost {
public:
    virtual ~CheckHost() = default;
    // The name as it stands now; it may change during any of the calls below.
    virtual NameText currentName() const = 0;
    // Select the bytes [start, end) in the name box and scroll them into view.
    virtual void selectRange(int start, int end) = 0;
    virtual void requestRepaint() = 0;
    // Ask the question stored under the language key; true only for Yes.
    virtual bool askYesNo(std::string_view languageKey) = 0;
    // Show the message stored under the language key, with an OK button.
    virtual void tell(std::string_view languageKey) = 0;
    // Put a new text into the name box: a change of the name like any other, except
    // that no second check starts while this one runs.
    virtual void replaceName(const NameText& name) = 0;
};

// What the check also looks at beyond the bytes a name must not hold.
struct GameRuleCheck {
    // Offer to delete what a server of the game would refuse or drop: ';' and '\',
    // leading blanks, a fourth blank in a row, and black colour codes or the codes of a
    // name without colour, where the game drops those.
    bool enabled = false;
    // Then say, with the cut selected, where a server cuts the name. The caller decides,
    // so that a check after every change does not say it again and again.
    bool tellCut = false;
    Game game;
};

// Offers, one finding at a time, to delete bytes a game name must not hold
// and colour codes that follow each other with nothing between them. A finding
// declined is not offered again in the same check.
void checkString(CheckHost& host, GameRuleCheck gameRules = {});

} // namespace glimtags
