#pragma once

#include "core/game_profile.h"

#include <string>

class wxFrame;

namespace glimtags {

class LanguageTable;
class NameText;

// The name's counts against the limits in the second field of the frame's status bar,
// which keeps the room they need; what a command did takes the rest. The texts are
// looked up once: the counts change with every key.
class NameCounts {
public:
    explicit NameCounts(const LanguageTable& texts);
    // The in-game notice names the game.
    void show(wxFrame& frame, const NameText& name, Game game) const;

private:
    std::string counts_;
    std::string overInGameLimit_;
};

} // namespace glimtags
