#include "platform/text_encoding.h"

namespace glimtags::platform {

wxString fromLatin1(const std::string& bytes)
{
    return wxString(bytes.data(), wxConvISO8859_1, bytes.size());
}

std::string toLatin1(const wxString& text)
{
    const wxScopedCharBuffer buffer = text.mb_str(wxConvISO8859_1);
    return std::string(buffer.data(), buffer.length());
}

wxString fromFileSystem(const std::string& bytes)
{
    wxString text(bytes.data(), *wxConvFileName, bytes.size());
    // Bytes that are not valid in the system's encoding still have to show.
    return text.empty() && !bytes.empty() ? fromLatin1(bytes) : text;
}

std::string toFileSystem(const wxString& text)
{
    const wxScopedCharBuffer buffer = text.mb_str(*wxConvFileName);
    return std::string(buffer.data(), buffer.length());
}

wxString textWithPath(const std::string& message, const std::string& path)
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

} // namespace glimtags::platform
