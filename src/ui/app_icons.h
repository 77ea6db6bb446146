#pragma once

#include <wx/iconbndl.h>

namespace glimtags {

// The window's icon in the sizes a desktop asks for.
wxIconBundle applicationIcons();

} // namespace glimtags
