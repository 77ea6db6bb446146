#include "platform/command_line.h"

#include "core/game_glyphs.h"
#include "core/name_characters.h"
#include "core/version.h"
#include "platform/text_encoding.h"
#include "platform/user_folders.h"

#include <wx/cmdline.h>
#include <wx/msgout.h>

#include <vector>

namespace glimtags::platform {
namespace {

const wxCmdLineEntryDesc kEntries[] = {
    {wxCMD_LINE_SWITCH, "h", "help", "show this help and end", wxCMD_LINE_VAL_NONE, wxCMD_LINE_OPTION_HELP},
    {wxCMD_LINE_SWITCH, nullptr, "version", "show the version and end", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_OPTION, nullptr, "export-picture",
     "write the picture of NAME, as the game draws it, to this PNG file and end", wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "game",
     "the picture in the font of this game's data: ioquake3 or openarena (default: the editor's game folder)",
     wxCMD_LINE_VAL_STRING, 0},
    {wxCMD_LINE_OPTION, nullptr, "scale", "the picture at the game's size (1, the default) or twice it (2)",
     wxCMD_LINE_VAL_NUMBER, 0},
    {wxCMD_LINE_SWITCH, nullptr, "transparent", "the picture without the background", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_PARAM, nullptr, nullptr, "script.name|script.host|NAME", wxCMD_LINE_VAL_STRING,
     wxCMD_LINE_PARAM_OPTIONAL},
    wxCMD_LINE_DESC_END,
};

// A usage mistake, as shells and other programs tell one from a failure.
constexpr int kUsageStatus = 2;

// The name as typed in a UTF-8 terminal, one byte a character as the name box shows it;
// bytes that are no UTF-8 are the name's own. Nothing when a character has no byte.
std::optional<NameText> nameFromArgument(const std::string& bytes)
{
    const wxString text = wxString::FromUTF8(bytes);
    if (text.empty())
        return NameText(bytes);
    std::string name;
    for (const wxUniChar character : text) {
        const std::optional<unsigned char> byte = byteForCharacter(character.GetValue());
        if (!byte)
            return std::nullopt;
        name += static_cast<char>(*byte);
    }
    return NameText(name);
}

// What --export-picture asks for; the mistake in it, if any, in problem.
PictureRequest readPictureRequest(const wxCmdLineParser& parser, std::string& problem)
{
    PictureRequest request;
    wxString output;
    if (!parser.Found("export-picture", &output)) {
        if (parser.Found("game") || parser.Found("scale") || parser.Found("transparent"))
            problem = "--game, --scale and --transparent go with --export-picture";
        return request;
    }
    request.output = toLatin1(output);
    long scale = 1;
    wxString game;
    if (request.output.empty())
        problem = "--export-picture needs the PNG file to write";
    else if (parser.GetParamCount() == 0)
        problem = "--export-picture needs the NAME to draw";
    else if (parser.Found("scale", &scale) && scale != 1 && scale != 2)
        problem = "--scale is 1 (the game's size) or 2 (twice it), not " + std::to_string(scale);
    else if (parser.Found("game", &game)) {
        const std::optional<std::string> folder = namedUserGameFolder(toLatin1(game));
        if (folder)
            request.gameFolder = *folder;
        else
            problem = "unknown game '" + toLatin1(game) + "': ioquake3 or openarena";
    }
    if (!problem.empty())
        return request;
    const std::optional<NameText> name = nameFromArgument(toLatin1(parser.GetParam(0)));
    if (!name)
        problem = "the NAME holds a character the game's font has no glyph for";
    else if (gameGlyphCount(*name) == 0)
        problem = "the NAME draws no character";
    else
        request.name = *name;
    request.twiceSize = scale == 2;
    request.transparent = parser.Found("transparent");
    return request;
}

} // namespace

StartRequest readCommandLine(int argc, char** argv, std::FILE* out, std::FILE* errors)
{
    // Each byte read as the Latin-1 character of its number comes back as the same byte,
    // so a file name is kept as the system's bytes whatever their encoding.
    std::vector<std::wstring> words;
    for (int i = 0; i < argc; ++i)
        words.push_back(fromLatin1(argv[i]).ToStdWstring());
    std::vector<wchar_t*> pointers;
    for (std::wstring& word : words)
        pointers.push_back(word.data());
    wxCmdLineParser parser(kEntries, argc, pointers.data());
    parser.SetLogo("Composes a player name with the game's colour codes and saves it as a game script.");
    // wx writes what it finds wrong to its message output, which has no window yet.
    wxMessageOutputStderr messages(errors);
    wxMessageOutput* const previous = wxMessageOutput::Set(&messages);
    const int parsed = parser.Parse(false);
    wxMessageOutput::Set(previous);
    if (parsed == -1) {
        std::fputs(parser.GetUsageString().utf8_string().c_str(), out);
        return {0, {}, {}};
    }
    std::string problem;
    const PictureRequest picture = parsed == 0 ? readPictureRequest(parser, problem) : PictureRequest();
    if (parsed != 0 || !problem.empty()) {
        if (!problem.empty())
            std::fprintf(errors, "glimtags: %s\n", problem.c_str());
        std::fputs(parser.GetUsageString().utf8_string().c_str(), errors);
        return {kUsageStatus, {}, {}};
    }
    if (parser.Found("version")) {
        std::fputs("glimtags " GLIMTAGS_VERSION "\n", out);
        return {0, {}, {}};
    }
    if (!picture.output.empty())
        return {std::nullopt, {}, picture};
    return {std::nullopt, parser.GetParamCount() > 0 ? toLatin1(parser.GetParam(0)) : std::string(), {}};
}

} // namespace glimtags::platform
