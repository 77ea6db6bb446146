#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glimtags {

// One command of a console script: its words, quoted ones without their quotes, and
// where it stands, from its first word's first byte to one past its last word's last
// byte (a closing quote included). Comments and separators around it lie outside.
struct ConsoleCommand {
    std::vector<std::string> words;
    std::size_t start = 0;
    std::size_t end = 0;
};

// The commands of a script as the game's console runs them (ioquake3's command buffer
// and tokenizer). A command ends at a line end (CR or LF) and at a semicolon outside
// quotes and comments; a zero byte ends the script. Words are parted by blanks: every
// byte up to 32 and, since the engine reads bytes as signed, every byte from 128 on.
// A quoted word runs to its closing quote or the command's end; "//" ends a command's
// words and "/* */" is skipped. Commands without words are left out.
std::vector<ConsoleCommand> consoleCommands(std::string_view script);

// A command that gives a console variable a value, and that value.
struct ConsoleSetting {
    std::string value;
    ConsoleCommand command;
};

// The setting of the variable that takes effect when the game runs the script: the
// last command that is "set", "seta", "sets" or "setu" with the variable and a value,
// or the variable itself with a value; names compared without regard to case. The
// value is the words after the variable joined by single blanks, as the console
// joins them. Nothing when no command sets the variable ("seta name" alone only
// prints it).
std::optional<ConsoleSetting> lastSetting(std::string_view script, std::string_view variable);

} // namespace glimtags
