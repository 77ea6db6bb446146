#include "platform/folder_path_messages.h"

#include "platform/message_box.h"
#include "platform/text_encoding.h"

#include <utility>

namespace glimtags::platform {

MessageBoxFolderPathHost::MessageBoxFolderPathHost(wxWindow* owner, std::string path)
    : owner_(owner)
    , path_(std::move(path))
{
}

void MessageBoxFolderPathHost::showError(const std::string& message)
{
    showMessage(owner_, textWithPath(message, path_), MessageIcon::Warning);
}

bool MessageBoxFolderPathHost::askYesNo(const std::string& question)
{
    return platform::askYesNo(owner_, textWithPath(question, path_), MessageIcon::Question);
}

} // namespace glimtags::platform
