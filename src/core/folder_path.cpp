#include "core/folder_path.h"

#include "core/ascii_case.h"
#include "core/message_format.h"
#include "core/path_checks.h"

#include <filesystem>
#include <system_error>

namespace glimtags {
namespace {

// The system's reason when the folder could not be made. A folder that is already
// there also fails to be made: the existence test that follows tells the two apart.
std::string createFolder(std::string_view path)
{
    std::error_code error;
    std::filesystem::create_directory(std::filesystem::path(path), error);
    return error.message();
}

void showRejection(int result, std::string_view path, FolderPathHost& host, const LanguageTable& language,
                   const std::string& reason = {})
{
    const char* key = result == kFolderPathInvalid ? "PATHDLG_ERROR2" : "PATHDLG_ERROR3";
    const std::string message = formatMessage(language.lookup(key), {path});
    host.showError(reason.empty() ? message : message + "\n" + reason);
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
            const std::string reason = createFolder(folder);
            if (!pathExists(folder))
                return Outcome::failure(kFolderPathNotCreated, reason);
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
        showRejection(created.code, path, host, language, created.error);
        return created;
    }
    return {};
}

} // namespace glimtags
