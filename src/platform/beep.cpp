#include "platform/beep.h"

#include <wx/utils.h>

namespace glimtags::platform {

void beep()
{
    wxBell();
}

} // namespace glimtags::platform
