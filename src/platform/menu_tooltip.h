#pragma once

#include <wx/string.h>

class wxMenuItem;

namespace glimtags::platform {

// A tooltip over a menu item, for instance to say why it is disabled; an empty text
// removes it. GTK menus can show one, though wx has no call for it.
void setMenuItemTooltip(wxMenuItem& item, const wxString& text);

} // namespace glimtags::platform
