#include "core/data_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace glimtags {
namespace {

namespace fs = std::filesystem;

std::vector<std::string>& processFolders()
{
    static std::vector<std::string> folders;
    return folders;
}

// Lexically normal, without a trailing separator, so that equal folders compare equal.
fs::path normalFolder(const fs::path& folder)
{
    fs::path normal = folder.lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path())
        normal = normal.parent_path();
    return normal;
}

} // namespace

std::vector<std::string> dataFolders(const std::string& startFolder, const std::string& programPath)
{
    const fs::path programFolder = normalFolder((fs::path(startFolder) / programPath).parent_path());
    std::vector<std::string> folders;
    for (const fs::path& folder :
         {normalFolder(startFolder), programFolder, programFolder.parent_path() / "share" / "glimtags"}) {
        if (std::find(folders.begin(), folders.end(), folder.string()) == folders.end())
            folders.push_back(folder.string());
    }
    return folders;
}

std::string resolveDataFile(std::string_view name, const std::vector<std::string>& folders)
{
    if (name.find('/') == std::string_view::npos) {
        for (const std::string& folder : folders) {
            const fs::path candidate = fs::path(folder) / name;
            std::error_code error;
            if (fs::is_regular_file(candidate, error))
                return candidate.string();
        }
    }
    return std::string(name);
}

void setDataFolders(std::vector<std::string> folders)
{
    processFolders() = std::move(folders);
}

std::string findDataFile(std::string_view name)
{
    return resolveDataFile(name, processFolders());
}

} // namespace glimtags
