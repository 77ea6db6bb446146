#pragma once

#include "core/game_profile.h"

#include <cstddef>
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
    void show(wxFrame& frame, const NameText& name, Game game);

private:
    std::string counts_;
    std::string overInGameLimit_;
    // What the bar shows, so that a key that leaves it as it is costs nothing.
    std::string shown_;
    std::size_t measuredLength_ = 0;
};

} // namespace glimtags
