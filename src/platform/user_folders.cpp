#include "platform/user_folders.h"

#include "core/game_folder.h"
#include "platform/text_encoding.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <filesystem>
#include <system_error>

namespace glimtags::platform {

std::string userGameFolder()
{
    wxString xdgConfigHome;
    wxGetEnv("XDG_CONFIG_HOME", &xdgConfigHome);
    return perUserGameFolder(toFileSystem(wxFileName::GetHomeDir()), toFileSystem(xdgConfigHome));
}

std::optional<std::string> namedUserGameFolder(const std::string& game)
{
    return namedGameFolder(game, toFileSystem(wxFileName::GetHomeDir()));
}

std::string programPath()
{
    return toFileSystem(wxStandardPaths::Get().GetExecutablePath());
}

std::string startFolder()
{
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

} // namespace glimtags::platform
