#include "platform/menu_ids.h"

#include <wx/debug.h>
#include <wx/string.h>

namespace glimtags::platform {
namespace {

wxAssertHandler_t nextHandler = nullptr;

void filterMenuIdAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                        const wxString& message)
{
    if (function.Contains("wxMenuItemBase") && message == "invalid itemid value")
        return;
    if (nextHandler)
        nextHandler(file, line, function, condition, message);
}

} // namespace

void allowFixedMenuIds()
{
    const wxAssertHandler_t previous = wxSetAssertHandler(filterMenuIdAssert);
    if (previous != filterMenuIdAssert)
        nextHandler = previous;
}

} // namespace glimtags::platform
