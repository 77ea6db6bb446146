#include "core/folder_path.h"

#include "core/ascii_case.h"
#include "core/message_format.h"

#include <filesystem>
#include <system_error>

namespace glimtags {
namespace {

bool pathExists(std::string_view path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(path), error);
}

bool isFolder(std::string_view path)
{
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(path), error);
}

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

int ProcessFolderPath(std::string_view path, bool checkOnly, std::string* whyNotCreated)
{
    if (path.empty() || path.size() > kMaxFolderPathLength || path.front() != '/')
        return kFolderPathInvalid;
    if (path.size() == 1)
        return checkOnly || pathExists(path) ? kFolderPathAccepted : kFolderPathNotCreated;
    std::size_t start = 1;
    for (;;) {
        const std::size_t separator = path.find('/', start);
        const std::size_t end = separator == std::string_view::npos ? path.size() : separator;
        if (!IsValidFolderName(path.substr(start, end - start)))
            return kFolderPathInvalid;
        if (!checkOnly) {
            const std::string_view folder = path.substr(0, end);
            const std::string reason = createFolder(folder);
            if (!pathExists(folder)) {
                if (whyNotCreated)
                    *whyNotCreated = reason;
                return kFolderPathNotCreated;
            }
        }
        if (end == path.size())
            return kFolderPathAccepted;
        start = end + 1;
        if (start == path.size())
            return kFolderPathInvalid;
    }
}

int ConfirmFolderPath(std::string_view path, FolderPathHost& host, const LanguageTable& language)
{
    if (const int result = ProcessFolderPath(path, true); result != kFolderPathAccepted) {
        showRejection(result, path, host, language);
        return result;
    }
    // A file where the folder should be would only make every save and merge fail later.
    if (pathExists(path)) {
        if (isFolder(path))
            return kFolderPathAccepted;
        showRejection(kFolderPathInvalid, path, host, language);
        return kFolderPathInvalid;
    }
    if (!host.askYesNo(formatMessage(language.lookup("PATHDLG_ERROR1"), {path})))
        return kFolderPathCreationDeclined;
    std::string whyNotCreated;
    if (const int result = ProcessFolderPath(path, false, &whyNotCreated); result != kFolderPathAccepted) {
        showRejection(result, path, host, language, whyNotCreated);
        return result;
    }
    return kFolderPathAccepted;
}

} // namespace glimtags
