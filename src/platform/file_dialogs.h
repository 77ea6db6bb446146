#pragma once

#include <optional>
#include <string>

class wxWindow;

namespace glimtags::platform {

struct FileDialogRequest {
    const char* filter;       // "Description|pattern" pairs
    std::string folder;       // where the dialog starts; empty for its own choice
    std::string initialName;  // the proposed file name
    const char* title = nullptr; // nullptr keeps the platform's title
};

// The full path the user chose, or nothing when cancelled. Neither dialog moves the
// working directory, so bare file names keep resolving against the start directory.
std::optional<std::string> chooseFileToOpen(wxWindow* parent, const FileDialogRequest& request);
std::optional<std::string> chooseFileToSave(wxWindow* parent, const FileDialogRequest& request);

} // namespace glimtags::platform
