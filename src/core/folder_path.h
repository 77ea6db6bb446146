#pragma once

#include "core/language_table.h"
#include "core/outcome.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace glimtags {

// The codes of the outcomes of ProcessFolderPath and ConfirmFolderPath.
inline constexpr int kFolderPathAccepted = 0;
inline constexpr int kFolderPathInvalid = 1;
inline constexpr int kFolderPathNotCreated = 2;
inline constexpr int kFolderPathCreationDeclined = -1;

// Longest game path handled; longer ones are invalid.
inline constexpr std::size_t kMaxFolderPathLength = 259;

// False for an empty component, one that begins or ends with a tab or a blank, one
// that ends with a full stop (so "." and ".." too), or one holding any of
//  " * / : < > ? \ |   A leading full stop is allowed (hidden folders such as .q3a).
bool IsValidFolderName(std::string_view component);

// Checks an absolute path of the form "/" or "/name/name...": success, or the codes
// kFolderPathInvalid for a path that breaks the rules (relative, a trailing "/",
// an empty or refused component, too long), or in create mode kFolderPathNotCreated.
// checkOnly examines the text alone; create mode makes every missing folder from the
// root down and fails when one of them still does not exist afterwards, with the
// system's reason for that folder as the outcome's text.
Outcome ProcessFolderPath(std::string_view path, bool checkOnly);

// What ConfirmFolderPath needs of the dialog it validates for.
class FolderPathHost {
public:
    virtual ~FolderPathHost() = default;
    // A message box with an OK button and the warning icon.
    virtual void showError(const std::string& message) = 0;
    // A Yes/No question with the question icon; true only for Yes.
    virtual bool askYesNo(const std::string& question) = 0;
};

// Accepts a folder that exists or that the user lets it create; a path that names
// something other than a folder is invalid.
// Succeeds, or fails with the rejecting ProcessFolderPath outcome after its message, or
// with kFolderPathCreationDeclined. The texts are looked up when each message is shown;
// a folder that cannot be made is told with the system's reason on a line of its own.
Outcome ConfirmFolderPath(std::string_view path, FolderPathHost& host, const LanguageTable& language);

} // namespace glimtags
