#include "core/console_script.h"

#include "core/ascii_case.h"

#include <array>

namespace glimtags {
namespace {

// The engine compares a plain char with ' ', so bytes from 128 on part words too.
bool partsWords(char byte)
{
    return static_cast<signed char>(byte) <= ' ';
}

bool isLineEnd(char byte)
{
    return byte == '\n' || byte == '\r';
}

bool pairAt(std::string_view text, std::size_t at, char first, char second)
{
    return at + 1 < text.size() && text[at] == first && text[at + 1] == second;
}

// Where each command's text ends, as the command buffer cuts the script. The comment
// states run on from one command to the next, as they do in the engine: a "/*" hides
// line ends and semicolons until its "*/", which ends a command of its own.
std::vector<std::string_view> commandTexts(std::string_view script)
{
    std::vector<std::string_view> texts;
    bool inSlashComment = false;
    bool inStarComment = false;
    for (std::size_t begin = 0; begin < script.size();) {
        bool inQuotes = false;
        std::size_t at = begin;
        for (; at < script.size(); ++at) {
            const char byte = script[at];
            if (byte == '"')
                inQuotes = !inQuotes;
            if (!inQuotes) {
                if (!inStarComment && pairAt(script, at, '/', '/')) {
                    inSlashComment = true;
                } else if (!inSlashComment && pairAt(script, at, '/', '*')) {
                    inStarComment = true;
                } else if (inStarComment && pairAt(script, at, '*', '/')) {
                    inStarComment = false;
                    ++at;
                    break;
                }
                if (!inSlashComment && !inStarComment && byte == ';')
                    break;
            }
            if (!inStarComment && isLineEnd(byte)) {
                inSlashComment = false;
                break;
            }
        }
        texts.push_back(script.substr(begin, at - begin));
        begin = at + 1;
    }
    return texts;
}

// The words of one command's text; offset is where the text starts in the script.
ConsoleCommand commandOf(std::string_view text, std::size_t offset)
{
    ConsoleCommand command;
    const auto addWord = [&](std::size_t from, std::size_t to, std::string_view word) {
        if (command.words.empty())
            command.start = offset + from;
        command.end = offset + to;
        command.words.emplace_back(word);
    };
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && partsWords(text[at]))
            ++at;
        if (at == text.size() || pairAt(text, at, '/', '/'))
            return command;
        if (pairAt(text, at, '/', '*')) {
            // The engine looks for the end from the opening slash on, so "/*/" is a whole comment.
            const std::size_t close = text.find("*/", at + 1);
            if (close == std::string_view::npos)
                return command;
            at = close + 2;
            continue;
        }
        if (text[at] == '"') {
            const std::size_t close = text.find('"', at + 1);
            const std::size_t valueEnd = close == std::string_view::npos ? text.size() : close;
            addWord(at, close == std::string_view::npos ? text.size() : close + 1,
                    text.substr(at + 1, valueEnd - at - 1));
            if (close == std::string_view::npos)
                return command;
            at = close + 1;
            continue;
        }
        const std::size_t from = at;
        while (at < text.size() && !partsWords(text[at]) && text[at] != '"' && !pairAt(text, at, '/', '/') &&
               !pairAt(text, at, '/', '*'))
            ++at;
        addWord(from, at, text.substr(from, at - from));
    }
}

bool isSetCommand(std::string_view word)
{
    constexpr std::array<std::string_view, 4> kSetCommands{"set", "seta", "sets", "setu"};
    for (const std::string_view command : kSetCommands)
        if (equalIgnoringCase(word, command))
            return true;
    return false;
}

std::string joinedFrom(const std::vector<std::string>& words, std::size_t first)
{
    std::string joined;
    for (std::size_t i = first; i < words.size(); ++i) {
        if (i > first)
            joined.push_back(' ');
        joined += words[i];
    }
    return joined;
}

} // namespace

std::vector<ConsoleCommand> consoleCommands(std::string_view script)
{
    script = script.substr(0, script.find('\0'));
    std::vector<ConsoleCommand> commands;
    for (const std::string_view text : commandTexts(script)) {
        ConsoleCommand command = commandOf(text, static_cast<std::size_t>(text.data() - script.data()));
        if (!command.words.empty())
            commands.push_back(std::move(command));
    }
    return commands;
}

std::optional<ConsoleSetting> lastSetting(std::string_view script, std::string_view variable)
{
    std::optional<ConsoleSetting> last;
    for (ConsoleCommand& command : consoleCommands(script)) {
        const std::vector<std::string>& words = command.words;
        std::size_t valueFrom = 0;
        if (words.size() >= 3 && isSetCommand(words[0]) && equalIgnoringCase(words[1], variable))
            valueFrom = 2;
        else if (words.size() >= 2 && equalIgnoringCase(words[0], variable))
            valueFrom = 1;
        else
            continue;
        last = ConsoleSetting{joinedFrom(words, valueFrom), std::move(command)};
    }
    return last;
}

} // namespace glimtags
