#pragma once

#include <wx/string.h>

#include <optional>
#include <string>

namespace glimtags::platform {

// What the clipboard holds for a paste: a name's own bytes when the editor put them
// there, else plain text from elsewhere.
struct ClipboardContent {
    std::optional<std::string> nameBytes;
    wxString text;
};

// Puts a name's bytes on the clipboard, for the editor, together with the text that
// other programs take; false when the clipboard cannot be opened or takes nothing.
[[nodiscard]] bool copyToClipboard(const std::string& nameBytes, const wxString& text);
// Puts plain text on the clipboard; false as above.
[[nodiscard]] bool copyTextToClipboard(const wxString& text);
// Nothing when the clipboard cannot be opened or holds neither.
std::optional<ClipboardContent> clipboardContent();

} // namespace glimtags::platform
