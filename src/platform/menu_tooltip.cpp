#include "platform/menu_tooltip.h"

#include <glib-object.h>
#include <wx/menuitem.h>

namespace glimtags::platform {

void setMenuItemTooltip(wxMenuItem& item, const wxString& text)
{
    // The item's widget exists once the menu is built; its tooltip is a plain property.
    if (GtkWidget* widget = item.GetMenuItem())
        g_object_set(G_OBJECT(widget), "tooltip-text", text.empty() ? nullptr : text.utf8_str().data(), nullptr);
}

} // namespace glimtags::platform
