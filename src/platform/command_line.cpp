#include "platform/command_line.h"

#include "core/version.h"
#include "platform/text_encoding.h"

#include <wx/cmdline.h>
#include <wx/msgout.h>

#include <vector>

namespace glimtags::platform {
namespace {

const wxCmdLineEntryDesc kEntries[] = {
    {wxCMD_LINE_SWITCH, "h", "help", "show this help and end", wxCMD_LINE_VAL_NONE, wxCMD_LINE_OPTION_HELP},
    {wxCMD_LINE_SWITCH, nullptr, "version", "show the version and end", wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_PARAM, nullptr, nullptr, "script.name|script.host", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL},
    wxCMD_LINE_DESC_END,
};

// A usage mistake, as shells and other programs tell one from a failure.
constexpr int kUsageStatus = 2;

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
        return {0, {}};
    }
    if (parsed != 0) {
        std::fputs(parser.GetUsageString().utf8_string().c_str(), errors);
        return {kUsageStatus, {}};
    }
    if (parser.Found("version")) {
        std::fputs("glimtags " GLIMTAGS_VERSION "\n", out);
        return {0, {}};
    }
    return {std::nullopt, parser.GetParamCount() > 0 ? toLatin1(parser.GetParam(0)) : std::string()};
}

} // namespace glimtags::platform
