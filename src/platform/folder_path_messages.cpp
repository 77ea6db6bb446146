#include "platform/folder_path_messages.h"

#include "platform/message_box.h"
#include "platform/text_encoding.h"

#include <utility>

namespace glimtags::platform {
namespace {

// Each copy of the path is decoded as a file name, the language text around it as Latin-1.
wxString decodeMessage(const std::string& message, const std::string& path)
{
    if (path.empty())
        return fromLatin1(message);
    wxString text;
    std::size_t start = 0;
    for (std::size_t found = message.find(path); found != std::string::npos; found = message.find(path, start)) {
        text += fromLatin1(message.substr(start, found - start)) + fromFileSystem(path);
        start = found + path.size();
    }
    return text + fromLatin1(message.substr(start));
}

} // namespace

MessageBoxFolderPathHost::MessageBoxFolderPathHost(wxWindow* owner, std::string path)
    : owner_(owner)
    , path_(std::move(path))
{
}

void MessageBoxFolderPathHost::showError(const std::string& message)
{
    showMessage(owner_, decodeMessage(message, path_), MessageIcon::Warning);
}

bool MessageBoxFolderPathHost::askYesNo(const std::string& question)
{
    return platform::askYesNo(owner_, decodeMessage(question, path_), MessageIcon::Question);
}

} // namespace glimtags::platform
