#pragma once

#include "core/game_profile.h"

#include <string>
#include <variant>
#include <vector>

namespace glimtags::tools {

// What to draw and where to write it; the defaults are those of the editor.
struct PreviewOptions {
    bool stripe = false;
    bool cursor = true;
    bool charInfo = true;
    bool guide = true;
    // Byte positions in the name; the caret is the selection start. Without --caret or
    // --selection, the caret stands at the end of the name.
    int selectionStart = 0;
    int selectionEnd = 0;
    // Draw the line of what a server makes of the name, when that differs from it.
    bool gameRules = false;
    // Whose rules that line follows.
    Game game = Game::Ioquake3;
    // Draw with the game's font sheet found from this game folder, as the editor does.
    std::string gameFolder;
    std::string background = "BackGrnd.TGA";
    std::string font = "Font.TGA";
    std::string language;
    std::string out;
    std::string name;
};

struct UsageError {
    std::string message;
};

extern const char* const kUsage;

// The arguments after the program name.
std::variant<PreviewOptions, UsageError> parseOptions(const std::vector<std::string>& arguments);

} // namespace glimtags::tools
