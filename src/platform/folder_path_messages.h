#pragma once

#include "core/folder_path.h"

#include <string>

class wxWindow;

namespace glimtags::platform {

// The path validation's messages as message boxes over the dialog that validates.
// The path is the one being validated: inside a message its bytes are the file
// system's, while the language text around it is Latin-1.
class MessageBoxFolderPathHost : public FolderPathHost {
public:
    MessageBoxFolderPathHost(wxWindow* owner, std::string path);

    void showError(const std::string& message) override;
    bool askYesNo(const std::string& question) override;

private:
    wxWindow* owner_;
    std::string path_;
};

} // namespace glimtags::platform
