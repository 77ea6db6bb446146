#pragma once

#include <wx/string.h>

#include <string>

namespace glimtags::platform {

// Language texts and names are single-byte Latin-1; file names are the system's bytes.
wxString fromLatin1(const std::string& bytes);
std::string toLatin1(const wxString& text);
wxString fromFileSystem(const std::string& bytes);
std::string toFileSystem(const wxString& text);

// A language text (Latin-1) that holds a file path (the system's bytes) in its places.
wxString textWithPath(const std::string& message, const std::string& path);

} // namespace glimtags::platform
