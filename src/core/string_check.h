#pragma once

#include "core/name_text.h"

#include <string>
#include <string_view>

namespace glimtags {

// Longest name (by limitLength) the script-file commands save.
inline constexpr int kSaveLimit = 35;
// From this limit length on the window warns that the name is too long.
inline constexpr int kNameLongerFrom = kSaveLimit + 1;
// From this limit length on the name no longer fits the game's screen.
inline constexpr int kInGameLimitFrom = 17;

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
    // Put a new text into the name box. This is a change of the name like any other,
    // so with AutoCheck on it runs a nested check before returning.
    virtual void replaceName(const NameText& name) = 0;
};

// Offers, one finding at a time, to delete bytes a game name must not hold
// and colour codes that follow each other with nothing between them.
void checkString(CheckHost& host);

// Whether "^7" follows the name in a saved or merged line.
bool needsWhiteEnding(const NameText& name, bool endColorWhite);

// The quoted value written for a name: the name and, where the rule asks, "^7".
std::string nameWithEnding(const NameText& name, bool endColorWhite);

} // namespace glimtags
