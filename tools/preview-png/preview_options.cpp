#include "preview_options.h"

#include "core/name_text.h"

#include <charconv>
#include <optional>

namespace glimtags::tools {

const char* const kUsage =
    "usage: preview-png [--stripe] [--no-cursor] [--no-charinfo] [--no-guide]\n"
    "                   [--caret P | --selection S E] [--background FILE] [--font FILE]\n"
    "                   [--game-folder DIR] [--game-rules] [--game ioquake3|openarena]\n"
    "                   [--language FILE] --out OUT.png [--] NAME\n"
    "Draws the editor's preview of NAME (its raw bytes, at most 255 kept) at 576 x 228.\n"
    "--game-folder draws with the game's font sheet found from DIR (else FILE of --font);\n"
    "--game-rules adds the line of what a server of the --game (default ioquake3) makes of the name.\n"
    "Bare file names resolve against the working directory; the language defaults to English.lan.\n";

namespace {

std::optional<int> parsePosition(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

std::variant<PreviewOptions, UsageError> parseOptions(const std::vector<std::string>& arguments)
{
    PreviewOptions options;
    bool caretGiven = false;
    bool selectionGiven = false;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&](std::size_t offset) -> const std::string* {
            return i + offset < arguments.size() ? &arguments[i + offset] : nullptr;
        };
        const auto fileOption = [&](std::string& target) -> std::optional<UsageError> {
            if (!value(1))
                return UsageError{argument + " needs a file name"};
            target = *value(1);
            ++i;
            return std::nullopt;
        };
        std::optional<UsageError> error;
        if (argument == "--") {
            names.insert(names.end(), arguments.begin() + static_cast<long>(i) + 1, arguments.end());
            break;
        } else if (argument == "--stripe") {
            options.stripe = true;
        } else if (argument == "--no-cursor") {
            options.cursor = false;
        } else if (argument == "--no-charinfo") {
            options.charInfo = false;
        } else if (argument == "--no-guide") {
            options.guide = false;
        } else if (argument == "--game-rules") {
            options.gameRules = true;
        } else if (argument == "--game") {
            const std::optional<Game> game = value(1) ? gameForKey(*value(1)) : std::nullopt;
            if (!game)
                return UsageError{"--game needs ioquake3 or openarena"};
            options.game = *game;
            ++i;
        } else if (argument == "--game-folder") {
            error = fileOption(options.gameFolder);
        } else if (argument == "--caret") {
            const std::optional<int> caret = value(1) ? parsePosition(*value(1)) : std::nullopt;
            if (!caret)
                return UsageError{"--caret needs a byte position"};
            options.selectionStart = options.selectionEnd = *caret;
            caretGiven = true;
            ++i;
        } else if (argument == "--selection") {
            const UsageError selectionError{"--selection needs two byte positions S <= E"};
            if (!value(1) || !value(2))
                return selectionError;
            const std::optional<int> start = parsePosition(*value(1));
            const std::optional<int> end = parsePosition(*value(2));
            if (!start || !end || *start > *end)
                return selectionError;
            options.selectionStart = *start;
            options.selectionEnd = *end;
            selectionGiven = true;
            i += 2;
        } else if (argument == "--background") {
            error = fileOption(options.background);
        } else if (argument == "--font") {
            error = fileOption(options.font);
        } else if (argument == "--language") {
            error = fileOption(options.language);
        } else if (argument == "--out") {
            error = fileOption(options.out);
        } else if (argument.size() > 1 && argument[0] == '-') {
            return UsageError{"unknown option " + argument + " (put -- before a name that starts with -)"};
        } else {
            names.push_back(argument);
        }
        if (error)
            return *error;
    }
    if (caretGiven && selectionGiven)
        return UsageError{"give either --caret or --selection"};
    if (options.out.empty())
        return UsageError{"--out OUT.png is required"};
    if (names.size() != 1)
        return UsageError{"give exactly one NAME"};
    options.name = names.front();
    const int length = NameText(options.name).length();
    if (options.selectionEnd > length)
        return UsageError{"positions run from 0 to the name's length, " + std::to_string(length)};
    if (!caretGiven && !selectionGiven)
        options.selectionStart = options.selectionEnd = length;
    return options;
}

} // namespace glimtags::tools
