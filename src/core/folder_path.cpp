#include "core/folder_path.h"

#include "core/ascii_case.h"
#include "core/message_format.h"
#include "core/path_checks.h"

#include <filesystem>
#include <system_error>

namespace glimtags {
namespace {

void createFolder(std::string_view path)
{
    // A folder that is already there, or one that cannot be made, shows up in the
    // existence test that follows.
    std::error_code ignored;
    std::filesystem::create_directory(std::filesystem::path(path), ignored);
}

void showRejection(int result, std::string_view path, FolderPathHost& host, const LanguageTable& language)
{
    const char* key = result == kFolderPathInvalid ? "PATHDLG_ERROR2" : "PATHDLG_ERROR3";
    host.showError(formatMessage(language.lookup(key), {path}));
}

} // namespace

bool IsValidFolderName(std::string_view component)
{
    // A leading full stop is allowed: the game folders on this system are hidden ones.
    // A trailing one still refuses "." and "..".
    if (component.empty() || isBlank(component.front()) || isBlank(component.back()) || component.back() == '.')
        return false;
    return component.find_first_of("\"*/:<>?\\|") == std::string_view::npos;
}

Outcome ProcessFolderPath(std::string_view path, bool checkOnly)
{
    const Outcome invalid = Outcome::failure(kFolderPathInvalid);
    const Outcome notCreated = Outcome::failure(kFolderPathNotCreated);
    if (path.empty() || path.size() > kMaxFolderPathLength || path.front() != '/')
        return invalid;
    if (path.size() == 1)
        return checkOnly || pathExists(path) ? Outcome() : notCreated;
    std::size_t start = 1;
    for (;;) {
        const std::size_t separator = path.find('/', start);
        const std::size_t end = separator == std::string_view::npos ? path.size() : separator;
        if (!IsValidFolderName(path.substr(start, end - start)))
            return invalid;
        if (!checkOnly) {
            const std::string_view folder = path.substr(0, end);
            createFolder(folder);
            if (!pathExists(folder))
                return notCreated;
        }
        if (end == path.size())
            return {};
        start = end + 1;
        if (start == path.size())
            return invalid;
    }
}

Outcome ConfirmFolderPath(std::string_view path, FolderPathHost& host, const LanguageTable& language)
{
    if (Outcome checked = ProcessFolderPath(path, true); !checked) {
        showRejection(checked.code, path, host, language);
        return checked;
    }
    // A file where the folder should be would only make every save and merge fail later.
    if (pathExists(path)) {
        if (isFolder(path))
            return {};
        showRejection(kFolderPathInvalid, path, host, language);
        return Outcome::failure(kFolderPathInvalid);
    }
    if (!host.askYesNo(formatMessage(language.lookup("PATHDLG_ERROR1"), {path})))
        return Outcome::failure(kFolderPathCreationDeclined);
    if (Outcome created = ProcessFolderPath(path, false); !created) {
        showRejection(created.code, path, host, language);
        return created;
    }
    return {};
}

} // namespace glimtags
