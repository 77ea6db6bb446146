#include "core/game_folder.h"

#include "core/ascii_case.h"
#include "core/path_checks.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace glimtags {
namespace {

namespace fs = std::filesystem;

bool holdsConfiguration(const fs::path& folder)
{
    std::error_code error;
    return fs::is_regular_file(folder / "q3config.cfg", error);
}

bool onlyOpenArenaInstalled(const fs::path& systemData)
{
    return isFolder(systemData / "openarena" / "baseoa") && !isFolder(systemData / "quake3" / "baseq3");
}

fs::path homeFolderOf(std::string_view home)
{
    std::error_code error;
    return fs::absolute(home.empty() ? fs::path(".") : fs::path(home), error).lexically_normal();
}

struct NamedGame {
    std::string_view name;
    const char* folder; // under the home folder
};

constexpr NamedGame kNamedGames[] = {
    {"ioquake3", ".q3a/baseq3"},
    {"openarena", ".openarena/baseoa"},
};

} // namespace

std::string perUserGameFolder(std::string_view home, std::string_view xdgConfigHome, std::string_view systemData)
{
    const fs::path homeFolder = homeFolderOf(home);
    const fs::path xdg = fs::path(xdgConfigHome).lexically_normal();
    const fs::path configFolder = xdg.is_absolute() ? xdg : homeFolder / ".config";
    const std::array<fs::path, 3> candidates = {
        homeFolder / ".q3a" / "baseq3",
        configFolder / "Quake3" / "baseq3",
        homeFolder / ".openarena" / "baseoa",
    };
    auto chosen = std::find_if(candidates.begin(), candidates.end(), holdsConfiguration);
    if (chosen == candidates.end())
        chosen = std::find_if(candidates.begin(), candidates.end(), isFolder);
    if (chosen == candidates.end())
        chosen = onlyOpenArenaInstalled(systemData) ? candidates.end() - 1 : candidates.begin();
    return chosen->string();
}

std::vector<std::string> pk3FileNames(std::string_view folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(fs::path(folder), error), end; !error && entry != end; entry.increment(error))
        if (equalIgnoringCase(entry->path().extension().string(), ".pk3"))
            names.push_back(entry->path().filename().string());
    return names;
}

std::optional<std::string> namedGameFolder(std::string_view game, std::string_view home)
{
    for (const NamedGame& named : kNamedGames)
        if (named.name == game)
            return (homeFolderOf(home) / named.folder).string();
    return std::nullopt;
}

} // namespace glimtags
