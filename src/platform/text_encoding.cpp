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

} // namespace glimtags::platform
