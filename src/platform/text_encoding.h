#pragma once

#include <wx/string.h>

#include <string>

namespace glimtags::platform {

// Language texts and names are single-byte Latin-1; file names are the system's bytes.
wxString fromLatin1(const std::string& bytes);
std::string toLatin1(const wxString& text);
wxString fromFileSystem(const std::string& bytes);
std::string toFileSystem(const wxString& text);

} // namespace glimtags::platform
