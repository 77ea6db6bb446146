#pragma once

#include <wx/string.h>

class wxWindow;

namespace glimtags::platform {

enum class MessageIcon { Warning, Information, Question };

// Message boxes and questions headed by the application title.
void showMessage(wxWindow* parent, const wxString& text, MessageIcon icon = MessageIcon::Warning);

// A question with Yes and No; true only for Yes.
bool askYesNo(wxWindow* parent, const wxString& text, MessageIcon icon = MessageIcon::Warning);

} // namespace glimtags::platform
